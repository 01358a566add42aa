#include "game/Colocacion.h"

namespace tablerix {

// Placeholder until this routine is written.
void Deshacer(Juego&) {}
void EmpezarArrastreAtril(Juego&, int) {}
void EmpezarArrastreCasilla(Juego&, int) {}
void SoltarEnCasilla(Juego&, int) {}
void SoltarEnAtril(Juego&, int) {}
void SoltarFuera(Juego&) {}
void PulsarCasilla(Juego&, int, bool) {}
void PulsarAtril(Juego&, int) {}

}  // namespace tablerix
