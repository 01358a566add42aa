#include "game/Aleatorio.h"

#include <chrono>

namespace tablerix {

void Aleatorio::SembrarDelReloj() {
    auto ahora = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Sembrar(static_cast<std::uint64_t>(ahora));
}

void Aleatorio::Restaurar(const EstadoAzar& estado) {
    if (estado.Semilla != estado_.Semilla || estado.Extracciones < estado_.Extracciones)
        Sembrar(estado.Semilla);
    motor_.discard(estado.Extracciones - estado_.Extracciones);
    estado_ = estado;
}

}  // namespace tablerix
