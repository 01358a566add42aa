#include "app/PrevisionJugada.h"

#include <algorithm>

#include "app/Turno.h"
#include "game/Comprobacion.h"
#include "game/JuegoEnsayo.h"
#include "game/Puntuacion.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

bool HayFichasPuestas(const ModeloVentana& f) {
    return std::any_of(f.Label1.begin(), f.Label1.end(), [](const Casilla& c) {
        return c.ColorLetra == kRojo && c.Letra != kCasillaVacia;
    });
}

}  // namespace

std::string PrevisionJugada(const Juego& j) {
    const ModeloVentana& f = j.Form1;
    if (!j.Posicion.PartidaEnCurso || !f.Habilitada || f.ModoLabel9 != kModoTurnoJugador ||
        !HayFichasPuestas(f))
        return {};

    JuegoEnsayo aparte(j);
    Juego& ensayo = aparte.J;
    const VentanaEnsayo& ventana = aparte.Ventana;
    ensayo.Posicion.Tablero = j.Posicion.Tablero;
    ensayo.Posicion.PrimeraJugada = j.Posicion.PrimeraJugada;
    ensayo.Posicion.PartidaEnCurso = true;
    ensayo.Jugada.Turno = j.Jugada.Turno;
    PrepararComprobacion(ensayo);
    ComprobarJugada(ensayo);

    if (ventana.BlancoPedido) return Txt("Falta elegir la letra del comodín.");
    if (!ensayo.Jugada.JugadaValida)
        return ventana.Pregunta ? "No conozco la palabra: " + ensayo.Puntuacion.Palabra + "."
                                : ventana.Aviso;
    // List4: each word and its notation, which ends in "=points"; then the bonus line.
    const std::vector<std::string>& registro = ensayo.Form1.List4;
    std::string linea;
    for (std::size_t k = 0; k + 1 < registro.size(); k += 2)
        linea += (linea.empty() ? "" : ", ") + registro[k] + " " +
                 registro[k + 1].substr(registro[k + 1].rfind('=') + 1);
    if (registro.size() % 2) linea += ", todas las fichas " + std::to_string(kPuntosTodasLasFichas);
    return linea + ": " + std::to_string(ensayo.Jugada.PuntosJugada) + " puntos";
}

}  // namespace tablerix
