#include "game/FinPartida.h"

#include "game/Mensajes.h"
#include "game/Puntuacion.h"
#include "game/Teclado.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

int ValorDe(const Juego& j, const std::string& letras) {
    int suma = 0;
    for (char letra : letras) suma += ValorLetra(j, letra);
    return suma;
}

// The racks are read from what the window shows, as the player sees them.
std::string LetrasJugador(const ModeloVentana& f) {
    std::string letras;
    for (const FichaJugador& r : f.Label5)
        if (r.Visible && r.Letra != kSinFicha) letras += r.Letra;
    return letras;
}

std::string LetrasOrdenador(const ModeloVentana& f) {
    std::string letras;
    for (const FichaOrdenador& r : f.Label11)
        if (r.Visible && r.Letra != kSinFicha) letras += r.Letra;
    return letras;
}

}  // namespace

void FinPartida(Juego& j) {
    ModeloVentana& f = j.Form1;
    AgregarLinea(j, "*** FIN DE LA PARTIDA ***");

    const std::string s1 = LetrasJugador(f);
    const std::string s2 = LetrasOrdenador(f);
    const int r1 = ValorDe(j, s1);
    const int r2 = ValorDe(j, s2);

    if (s1.empty()) {
        AgregarLinea(j, "Jugador sin fichas.");
        AgregarLinea(j, "Se suma lo del Ordenador: " + std::to_string(r2));
        SumarPuntos(f.Label4[0], r2);
    } else if (s2.empty()) {
        AgregarLinea(j, "Ordenador sin fichas.");
        AgregarLinea(j, "Se suma lo del Jugador: " + std::to_string(r1));
        SumarPuntos(f.Label4[1], r1);
    } else {
        AgregarLinea(j, "Ambos jugadores tienen fichas.");
        SumarPuntos(f.Label4[0], -r1);
        SumarPuntos(f.Label4[1], -r2);
        AgregarLinea(j, "Se resta al Jugador: " + std::to_string(r1));
        AgregarLinea(j, "Se resta al Ordenador: " + std::to_string(r2));
    }

    const int p = LeerPuntos(f.Label4[0]);
    const int c = LeerPuntos(f.Label4[1]);
    AgregarLinea(j, "");

    std::string mensaje;
    if (p > c) {
        AgregarLinea(j, "Gana el Jugador.");
        mensaje = Txt("Has ganado tú.");
    } else if (c > p) {
        AgregarLinea(j, "Gana el Ordenador.");
        mensaje = "Te he ganado.";
    } else {
        AgregarLinea(j, "Ha habido empate.");
        mensaje = "Hemos empatado.";
    }
    f.SeleccionPartida = static_cast<int>(f.lstPartida.size()) - 1;

    // The window shows the finished game, the computer's tiles uncovered, before the box.
    j.Posicion.PartidaEnCurso = false;
    OcultarCursor(j);
    for (Casilla& casilla : f.Label1) casilla.Movible = false;
    for (FichaJugador& r : f.Label5) r.Arrastrable = false;
    f.AltoPartida = kAltoPartidaCorto;
    PonerEstado(j, "Partida finalizada.", f.ModoLabel9);
    Informar(j, mensaje);
}

}  // namespace tablerix
