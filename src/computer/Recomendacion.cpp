#include "computer/Recomendacion.h"

namespace tablerix {

// Placeholder until this routine is written.
void Recomendar(Juego&) {}

}  // namespace tablerix
