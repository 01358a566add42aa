#include "savegame/PartidaGuardada.h"

namespace tablerix {

// Placeholder until this routine is written.
std::string RutaPartidaGuardada(const Juego& j) { return j.Carpeta + "/Tablerix.ini"; }
void GuardarPartida(Juego&) {}
void CargarPartida(Juego&) {}
void BorrarPartidaGuardada(Juego&) {}

}  // namespace tablerix
