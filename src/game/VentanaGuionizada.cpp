#include "game/VentanaGuionizada.h"

namespace tablerix {

Respuesta VentanaGuionizada::MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                                            Respuesta porDefecto) {
    Mensajes.push_back({texto, icono, conCancelar, porDefecto});
    if (!conCancelar) {
        Registro.push_back((icono == Icono::Exclamacion ? "[exclamation] " : "[info] ") + texto);
        return Respuesta::Aceptar;
    }
    Respuesta r;
    if (!Respuestas.empty()) {
        r = Respuestas.front().value_or(porDefecto);
        Respuestas.pop_front();
    } else if (RespuestaAutomatica) {
        r = *RespuestaAutomatica;
    } else {
        Registro.push_back("[question] " + texto + " -> (no answer)");
        throw SinRespuesta("question without an answer: " + texto);
    }
    Registro.push_back("[question] " + texto + (r == Respuesta::Aceptar ? " -> ok" : " -> cancel"));
    return r;
}

char VentanaGuionizada::ElegirLetra(int izquierda, int arriba) {
    PosicionesElector.emplace_back(izquierda, arriba);
    if (Letras.empty()) {
        Registro.push_back("[letter] (no answer)");
        throw SinRespuesta("letter choice without an answer");
    }
    char letra = Letras.front();
    Letras.pop_front();
    Registro.push_back(std::string("[letter] ") + (letra ? std::string(1, letra) : "(closed)"));
    return letra;
}

void VentanaGuionizada::MostrarProgreso(int modo, const std::function<void()>& trabajo) {
    Ventanas.push_back("progress " + std::to_string(modo));
    trabajo();
}

}  // namespace tablerix
