#include "computer/Turno.h"

namespace tablerix {

// Placeholder until this routine is written.
void JugarTurno(Juego&) {}
void Pasar(Juego&) {}
void EmpezarCambio(Juego&) {}
bool CompletarCambio(Juego&) { return false; }

}  // namespace tablerix
