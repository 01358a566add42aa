#include "computer/BloquesPartida.h"

#include "game/Mensajes.h"

namespace tablerix {

void EscribirBloqueJugada(Juego& j, const std::string& cabecera,
                          const std::vector<std::string>& lineas, int total) {
    AgregarLinea(j, cabecera);
    for (const std::string& linea : lineas) AgregarLinea(j, linea);
    AgregarLinea(j, "-----Total: " + std::to_string(total));
    CerrarBloque(j);
}

void EscribirBloqueAviso(Juego& j, const std::string& cabecera, const std::string& linea) {
    AgregarLinea(j, cabecera);
    AgregarLinea(j, linea);
    CerrarBloque(j);
}

}  // namespace tablerix
