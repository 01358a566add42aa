#pragma once
// A window with no screen: answers questions and letter choices from queues,
// and records every box and chooser it was shown. Used by tests and the
// headless driver.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/InterfazVentana.h"

namespace tablerix {

// A question or a letter choice came up with nothing queued and no automatic answer.
struct SinRespuesta : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class VentanaGuionizada : public InterfazVentana {
  public:
    // For boxes with Cancel, in order; an empty answer is Enter: the box's default button.
    std::deque<std::optional<Respuesta>> Respuestas;
    std::deque<char> Letras;                       // for the letter chooser, in order
    std::optional<Respuesta> RespuestaAutomatica;  // when Respuestas is empty

    // One line per box or chooser: "[question] TEXT -> ok", "[info] TEXT",
    // "[exclamation] TEXT", "[letter] X" (Windows-1252 text).
    std::vector<std::string> Registro;
    int LlamadasProcesarEventos = 0;
    int LlamadasEnfocarOk = 0;
    bool Habilitada = true;
    std::vector<std::string> DocumentosAbiertos;
    std::vector<std::pair<int, int>> PosicionesElector;  // where each chooser was placed

    struct MensajeMostrado {
        std::string Texto;
        Icono Tipo;  // the icon
        bool ConCancelar;
        Respuesta PorDefecto;  // what Enter answers
    };
    std::vector<MensajeMostrado> Mensajes;  // every box, with its icon and buttons
    // Windows shown, in order: "about", "main", "progress 1" (load), "progress 2" (save),
    // "end" (a game ended: the report may open).
    std::vector<std::string> Ventanas;

    Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                             Respuesta porDefecto) override;
    char ElegirLetra(int izquierda, int arriba) override;
    void MostrarProgreso(int modo, const std::function<void()>& trabajo) override;
    void MostrarAcercaDe() override { Ventanas.push_back("about"); }
    void MostrarVentanaPrincipal() override { Ventanas.push_back("main"); }
    void Habilitar(bool habilitada) override { Habilitada = habilitada; }
    void ProcesarEventos() override { ++LlamadasProcesarEventos; }
    void AbrirDocumento(const std::string& direccion) override {
        DocumentosAbiertos.push_back(direccion);
    }
    void ModeloCambiado() override {}
    void EnfocarOk() override { ++LlamadasEnfocarOk; }
    void PartidaTerminada() override { Ventanas.push_back("end"); }
};

}  // namespace tablerix
