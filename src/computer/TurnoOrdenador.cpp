#include "computer/TurnoOrdenador.h"

namespace tablerix {

// Placeholder until this routine is written.
void BuscarJugada(Juego&) {}
void BuscarPrimeraJugada(Juego&) {}
void CambiarOPasar(Juego&) {}

}  // namespace tablerix
