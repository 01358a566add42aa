#pragma once
// The scripted window, noting when the game disables the main window: that
// happens only when a search starts (the computer's turn or a recommendation),
// so the time from there to the end of the click is the search's time. With
// `frames on` it also notes the blue frame as each box opens.
#include <chrono>
#include <optional>

#include "Impresion.h"
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

    const Juego* MirarMarco = nullptr;  // the game whose frame is noted, or none
    Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                             Respuesta porDefecto) override {
        if (MirarMarco) Registro.push_back(ImprimirMarco(*MirarMarco).front());
        return VentanaGuionizada::MostrarMensaje(texto, icono, conCancelar, porDefecto);
    }
};

}  // namespace tablerix::guion
