#pragma once
// A game with no real window for tests: the designed board, the start-up
// tables, a seeded random source, a given word list and a new game dealt.
// Board helpers lay fixed tiles and tiles of this turn the way the game itself
// leaves them; the free helpers set racks and bag and read the log.
#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "game/Arranque.h"
#include "game/Colocacion.h"
#include "game/Comprobacion.h"
#include "game/Juego.h"
#include "game/Mensajes.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "game/VentanaGuionizada.h"
#include "wordlist/Texto.h"

namespace tablerix {

// `V` is the scripted window or a test's own subclass of it.
template <class V>
class JuegoDePruebaCon {
  public:
    // `palabras` in UTF-8 ("ÑU" is fine), in word-list order.
    explicit JuegoDePruebaCon(std::initializer_list<std::string_view> palabras = {},
                              std::uint64_t semilla = 1) {
        DisenoInicial(J.Form1);
        LeerPremios(J);
        ConstruirValores(J);
        ConstruirLeyenda(J);
        ElegirNivel(J, 3);
        J.Azar.Sembrar(semilla);
        std::string texto;
        for (std::string_view p : palabras) texto += Txt(p) + "\r\n";
        J.Lista.CargarDesdeTexto(texto);
        NuevaPartida(J);
    }

    V Ventana;
    Juego J{Ventana};

    // A tile fixed in an earlier move: black, on the tile background, in Tablero.
    void Fijar(int casilla, char letra) {
        J.Form1.Label1[casilla] = {letra, kNegro, '0', false, kColorFicha};
        J.Posicion.Tablero[casilla] = letra;
    }
    // A tile laid this turn: red, marked, movable.
    void Poner(int casilla, char letra) {
        Casilla& c = J.Form1.Label1[casilla];
        c = {letra, kRojo, '1', true, c.Fondo};
    }
    // Words from `casilla` going right ('H') or down ('V').
    void Fijar(int casilla, std::string_view palabra, char direccion = 'H') {
        for (char letra : Txt(palabra)) Fijar(Avanzar(casilla, direccion), letra);
    }
    void Poner(int casilla, std::string_view palabra, char direccion = 'H') {
        for (char letra : Txt(palabra)) Poner(Avanzar(casilla, direccion), letra);
    }

    // Prepares the board as the player's OK does: every occupied square
    // marked, the red ones counted.
    void MarcarOcupadas() {
        J.Jugada.FichasColocadas = 0;
        for (Casilla& c : J.Form1.Label1)
            if (c.Letra != kCasillaVacia)
                c.Marca = '1', J.Jugada.FichasColocadas += c.ColorLetra == kRojo;
    }
    // Runs the move check on the board so prepared; afterwards the fixed
    // tiles are at rest again, as the player's turn leaves them.
    void Comprobar(bool silencioso = false) {
        MarcarOcupadas();
        J.Jugada.Silencioso = silencioso;
        ComprobarJugada(J);
        for (Casilla& c : J.Form1.Label1)
            if (c.ColorLetra == kNegro) c.Marca = '0';
    }

    // Text of every box shown so far, in order.
    std::vector<std::string> Textos() const {
        std::vector<std::string> textos;
        for (const auto& m : Ventana.Mensajes) textos.push_back(m.Texto);
        return textos;
    }

  private:
    // Returns `casilla` and moves it one square on.
    static int Avanzar(int& casilla, char direccion) {
        const int actual = casilla;
        casilla += direccion == 'H' ? 1 : kLado;
        return actual;
    }
};

using JuegoDePrueba = JuegoDePruebaCon<VentanaGuionizada>;

namespace prueba {

// Rack p holds exactly `fichas` (Windows-1252, '*' a blank) in slots 1..n, and
// its display shows them as a new game or a refill leaves it.
inline void DarAtril(Juego& j, int p, std::string_view fichas) {
    for (int k = 1; k <= kRanuras; ++k) {
        char f = k <= static_cast<int>(fichas.size()) ? fichas[k - 1] : kSinFicha;
        j.Posicion.Atriles[p][k] = f;
        if (p == kTurnoJugador)
            j.Form1.Label5[k - 1] = {.Letra = f, .Visible = f != kSinFicha};
        else
            j.Form1.Label11[k - 1] = {.Letra = f, .Visible = f != kSinFicha};
    }
}

// Rack p as text, '.' for an empty slot.
inline std::string Atril(const Juego& j, int p) {
    std::string s;
    for (int k = 1; k <= kRanuras; ++k)
        s += j.Posicion.Atriles[p][k] ? j.Posicion.Atriles[p][k] : '.';
    return s;
}

// The rack display, '.' for a hidden slot.
inline std::string Mostrado(const Juego& j) {
    std::string s;
    for (const FichaJugador& r : j.Form1.Label5) s += r.Visible ? r.Letra : '.';
    return s;
}

// The player's rack display as a new game or a refill leaves it for `letras`.
inline std::array<FichaJugador, kRanuras> EnReposo(std::string_view letras) {
    std::array<FichaJugador, kRanuras> r;
    for (int k = 0; k < kRanuras; ++k) r[k].Letra = letras[k];
    return r;
}

// Log lines from `desde` on.
inline std::vector<std::string> LineasDesde(const Juego& j, std::size_t desde) {
    const auto& l = j.Form1.lstPartida;
    return {l.begin() + static_cast<std::ptrdiff_t>(std::min(desde, l.size())), l.end()};
}

// Windows-1252 lines from UTF-8 literals.
inline std::vector<std::string> Lineas(std::initializer_list<std::string_view> lineas) {
    std::vector<std::string> r;
    for (std::string_view l : lineas) r.push_back(Txt(l));
    return r;
}

}  // namespace prueba
}  // namespace tablerix
