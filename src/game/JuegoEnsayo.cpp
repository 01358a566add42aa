#include "game/JuegoEnsayo.h"

namespace tablerix {

Respuesta VentanaEnsayo::MostrarMensaje(const std::string& texto, Icono, bool conCancelar,
                                        Respuesta) {
    Aviso = texto;
    Pregunta = conCancelar;
    return Respuesta::Cancelar;
}

char VentanaEnsayo::ElegirLetra(int, int) {
    BlancoPedido = true;
    return 'A';  // any letter: whoever asked stops at the blank
}

JuegoEnsayo::JuegoEnsayo(const Juego& original) {
    J.Original = &original;
    J.Form1 = original.Form1;
    J.Valores = original.Valores;
    J.Premios = original.Premios;
}

}  // namespace tablerix
