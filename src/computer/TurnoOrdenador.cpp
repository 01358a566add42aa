#include "computer/TurnoOrdenador.h"

namespace tablerix {

// Placeholder until this routine is written.
void CambiarOPasar(Juego&) {}

}  // namespace tablerix
