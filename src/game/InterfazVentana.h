#pragma once
// What the game needs of real windows. The Qt window implements it; tests and
// the headless driver use VentanaGuionizada. Texts are Windows-1252; a '\r'
// inside a text is a line break.
#include <functional>
#include <string>

namespace tablerix {

enum class Icono { Pregunta, Informacion, Exclamacion };
enum class Respuesta { Aceptar, Cancelar };

class InterfazVentana {
  public:
    virtual ~InterfazVentana() = default;

    // Modal box titled "Tablerix": OK only, or OK and Cancel. Closing the box is
    // Cancel; Enter answers `porDefecto` (OK in a box without Cancel).
    virtual Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                                     Respuesta porDefecto) = 0;
    // Modal letter chooser placed at (izquierda, arriba) from the main window's outer
    // top-left corner. Returns the letter pressed, or '\0' when closed without one.
    virtual char ElegirLetra(int izquierda, int arriba) = 0;
    // Shows the progress window for loading (modo 1) or saving (modo 2) the word
    // list, runs `trabajo` once it has painted, and closes it.
    virtual void MostrarProgreso(int modo, const std::function<void()>& trabajo) = 0;
    // The about window, modal; returns when the user closes it.
    virtual void MostrarAcercaDe() = 0;
    // Shows the main window (start-up, after the about window closed).
    virtual void MostrarVentanaPrincipal() = 0;
    virtual void Habilitar(bool habilitada) = 0;
    // Renders the model and lets pending window events run.
    virtual void ProcesarEventos() = 0;
    // Asks the desktop to open a file or an address; the result is ignored.
    virtual void AbrirDocumento(const std::string& direccion) = 0;
    // The model changed: repaint when convenient.
    virtual void ModeloCambiado() = 0;
    // Keyboard focus to the OK button (after a recommendation is set out).
    virtual void EnfocarOk() {}
    // A game has just ended, its end box closed (not when a redo reaches the
    // end again): the report may open by itself.
    virtual void PartidaTerminada() {}
};

}  // namespace tablerix
