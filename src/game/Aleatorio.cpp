#include "game/Aleatorio.h"

#include <chrono>

namespace tablerix {

void Aleatorio::SembrarDelReloj() {
    auto ahora = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Sembrar(static_cast<std::uint64_t>(ahora));
}

}  // namespace tablerix
