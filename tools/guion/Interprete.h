#pragma once
// Runs a checked script against the real game, through the same entry points
// the main window uses, and writes the transcript.
#include <ostream>
#include <string>
#include <vector>

#include "Guion.h"
#include "VentanaConReloj.h"
#include "game/Juego.h"

namespace tablerix::guion {

// Exit statuses of tablerix-script.
enum Salida : int {
    kBien = 0,
    kFallo = 1,         // the driver could not go on (file error, a game that never ends)
    kErrorGuion = 2,    // unknown command, bad argument, command out of place
    kSinRespuesta = 3,  // a question or letter choice with nothing queued
};

class Interprete {
  public:
    // `carpeta`: the program's folder for this run; `carpetaGuion`: where `words` files are.
    Interprete(std::string carpeta, std::string carpetaGuion, std::ostream& salida,
               std::ostream& errores);

    int Ejecutar(const std::vector<Orden>& ordenes);

  private:
    void EjecutarOrden(const Orden& o);
    void Preparar(const Orden& o);
    void ArreglarArchivo(const Orden& o);
    void Accion(const Orden& o);
    void Imprimir(const Orden& o);
    void Escribir(const std::vector<std::string>& lineas);
    void VolcarRegistro();
    void ExigirPartida(const Orden& o) const;
    // Copies a file of the script's folder to `destino`.
    void CopiarDelGuion(const Orden& o, const std::string& nombre,
                        const std::string& destino) const;

    std::string carpeta_, carpetaGuion_;
    std::ostream& salida_;
    std::ostream& errores_;
    VentanaConReloj ventana_;
    Juego juego_{ventana_};
    bool arrancado_ = false;
    bool terminado_ = false;  // the program ended: no word list, or closed
};

}  // namespace tablerix::guion
