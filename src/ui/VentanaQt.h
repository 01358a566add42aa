#pragma once
// The game's window operations done with real Qt windows.
#include <QUrl>
#include <memory>

#include "game/InterfazVentana.h"
#include "game/Juego.h"
#include "game/Nivel.h"

namespace tablerix {

class Form1;
class VentanaAyuda;

class VentanaQt : public InterfazVentana {
  public:
    VentanaQt();
    ~VentanaQt() override;

    // The main window over the game's model; before anything is shown.
    void CrearVentanaPrincipal(Juego& j);
    Form1* Principal() const { return form1_.get(); }
    // The program's own help window, once it has been needed.
    VentanaAyuda* Ayuda() const { return ayuda_.get(); }
    // The game's start-up (splash, main window, word list, first game), then
    // the main window shows the dealt game. False: no word list, the program ends.
    bool Arrancar(Juego& j, bool sembrarDelReloj = true, int nivel = kNivelInicial);

    Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                             Respuesta porDefecto) override;
    char ElegirLetra(int izquierda, int arriba) override;
    void MostrarProgreso(int modo, const std::function<void()>& trabajo) override;
    void MostrarAcercaDe() override;
    void MostrarVentanaPrincipal() override;
    void Habilitar(bool habilitada) override;
    void ProcesarEventos() override;
    void AbrirDocumento(const std::string& direccion) override;
    void ModeloCambiado() override;
    // With "Ver › Resumen al terminar" on, the report opens by itself.
    void PartidaTerminada() override;

  private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<VentanaAyuda> ayuda_;
    bool repintePendiente_ = false;
};

// A file path (the file system's bytes) or an address such as mailto:... / http://...
QUrl DireccionDeDocumento(const std::string& direccion);

}  // namespace tablerix
