#include "computer/Busqueda.h"

namespace tablerix {

// Placeholder until this routine is written.
void BuscarMejorJugada(Juego&) {}
void BuscarMejorPrimeraJugada(Juego&) {}


}  // namespace tablerix
