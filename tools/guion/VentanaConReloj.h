#pragma once
// The scripted window, noting when the game disables the main window: that
// happens only when a search starts (the computer's turn or a recommendation),
// so the time from there to the end of the click is the search's time.
#include <chrono>
#include <optional>

#include "game/VentanaGuionizada.h"

namespace tablerix::guion {

class VentanaConReloj : public VentanaGuionizada {
  public:
    using Reloj = std::chrono::steady_clock;
    std::optional<Reloj::time_point> Deshabilitada;  // first disable since it was reset

    void Habilitar(bool habilitada) override {
        if (!habilitada && !Deshabilitada) Deshabilitada = Reloj::now();
        VentanaGuionizada::Habilitar(habilitada);
    }
};

}  // namespace tablerix::guion
