#pragma once
// A scratch game for working a move out aside: it starts from the game's
// window model and tables, reads the game's word list and index without
// copying them, shows nothing and answers every question Cancel, so the list
// is never asked to grow and nothing reaches the player.
#include <string>

#include "game/Juego.h"

namespace tablerix {

class VentanaEnsayo : public InterfazVentana {
  public:
    std::string Aviso;  // the last box's text
    bool Pregunta = false;
    bool BlancoPedido = false;

    Respuesta MostrarMensaje(const std::string& texto, Icono, bool conCancelar, Respuesta) override;
    char ElegirLetra(int, int) override;
    void MostrarProgreso(int, const std::function<void()>&) override {}
    void MostrarAcercaDe() override {}
    void MostrarVentanaPrincipal() override {}
    void Habilitar(bool) override {}
    void ProcesarEventos() override {}
    void AbrirDocumento(const std::string&) override {}
    void ModeloCambiado() override {}
};

struct JuegoEnsayo {
    explicit JuegoEnsayo(const Juego& original);
    VentanaEnsayo Ventana;
    Juego J{Ventana};
};

}  // namespace tablerix
