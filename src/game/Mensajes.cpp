#include "game/Mensajes.h"

#include <cstdlib>

namespace tablerix {

bool Preguntar(Juego& j, const std::string& texto, Icono icono, Respuesta porDefecto) {
    return j.Ventana.MostrarMensaje(texto, icono, true, porDefecto) == Respuesta::Aceptar;
}

bool PreguntarJuntoAlTablero(Juego& j, const std::string& texto, Icono icono,
                             Respuesta porDefecto) {
    j.Form1.PreguntaJuntoAlTablero = true;
    const bool si = Preguntar(j, texto, icono, porDefecto);
    j.Form1.PreguntaJuntoAlTablero = false;
    return si;
}

void Informar(Juego& j, const std::string& texto) {
    j.Ventana.MostrarMensaje(texto, Icono::Informacion, false, Respuesta::Aceptar);
}

void Advertir(Juego& j, const std::string& texto) {
    j.Ventana.MostrarMensaje(texto, Icono::Exclamacion, false, Respuesta::Aceptar);
}

void AgregarLinea(Juego& j, const std::string& linea) {
    j.Form1.lstPartida.push_back(linea);
}

void CerrarBloque(Juego& j) {
    j.Form1.SeleccionPartida = static_cast<int>(j.Form1.lstPartida.size()) - 1;
    j.Form1.lstPartida.emplace_back();
}

int LeerPuntos(const std::string& etiqueta) {
    return std::atoi(etiqueta.c_str());
}

void SumarPuntos(std::string& etiqueta, int puntos) {
    etiqueta = std::to_string(LeerPuntos(etiqueta) + puntos);
}

void HabilitarVentana(Juego& j, bool habilitada) {
    j.Form1.Habilitada = habilitada;
    j.Ventana.Habilitar(habilitada);
}

void PonerEstado(Juego& j, const std::string& texto, char modo) {
    j.Form1.Label9 = texto;
    j.Form1.ModoLabel9 = modo;
}

}  // namespace tablerix
