#include "game/Arranque.h"

namespace tablerix {

// Placeholder until this routine is written.
void DisenoInicial(ModeloVentana&) {}
void LeerPremios(Juego&) {}
void ConstruirValores(Juego&) {}
void ConstruirLeyenda(Juego&) {}
bool CargarListaPalabras(Juego&) { return false; }
void GuardarListaPalabras(Juego&) {}
bool Arrancar(Juego&, bool) { return false; }

}  // namespace tablerix
