#pragma once
// A game with no window for tests: the designed board, the start-up tables, a
// seeded random source, a given word list and a new game dealt. Board helpers
// lay fixed tiles and tiles of this turn the way the game itself leaves them.
#include <initializer_list>
#include <string>
#include <string_view>

#include "game/Arranque.h"
#include "game/Colocacion.h"
#include "game/Comprobacion.h"
#include "game/Juego.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "game/VentanaGuionizada.h"
#include "wordlist/Texto.h"

namespace tablerix {

class JuegoDePrueba {
public:
    // `palabras` in UTF-8 ("ÑU" is fine), in word-list order.
    explicit JuegoDePrueba(std::initializer_list<std::string_view> palabras = {},
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

    VentanaGuionizada Ventana;
    Juego J{Ventana};

    // A tile fixed in an earlier move: black, on the tile background, in Tablero.
    void Fijar(int casilla, char letra) {
        Casilla& c = J.Form1.Label1[casilla];
        c.Letra = letra;
        c.ColorLetra = kNegro;
        c.Fondo = kColorFicha;
        c.Marca = '0';
        c.Movible = false;
        J.Tablero[casilla] = letra;
    }
    // A word of fixed tiles from `casilla` going right ('H') or down ('V').
    void Fijar(int casilla, std::string_view palabra, char direccion = 'H') {
        std::string letras = Txt(palabra);
        for (char letra : letras) {
            Fijar(casilla, letra);
            casilla += direccion == 'H' ? 1 : kLado;
        }
    }

    // A tile laid this turn: red, marked, movable.
    void Poner(int casilla, char letra) {
        Casilla& c = J.Form1.Label1[casilla];
        c.Letra = letra;
        c.ColorLetra = kRojo;
        c.Marca = '1';
        c.Movible = true;
    }
    void Poner(int casilla, std::string_view palabra, char direccion = 'H') {
        std::string letras = Txt(palabra);
        for (char letra : letras) {
            Poner(casilla, letra);
            casilla += direccion == 'H' ? 1 : kLado;
        }
    }

    // Prepares the board as the player's OK does: every occupied square
    // marked, the red ones counted.
    void MarcarOcupadas() {
        J.FichasColocadas = 0;
        for (Casilla& c : J.Form1.Label1) {
            if (c.Letra == kCasillaVacia) continue;
            c.Marca = '1';
            if (c.ColorLetra == kRojo) ++J.FichasColocadas;
        }
    }
    // Runs the move check on the board so prepared; afterwards the fixed
    // tiles are at rest again, as the player's turn leaves them.
    void Comprobar(bool silencioso = false) {
        MarcarOcupadas();
        J.Silencioso = silencioso;
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
};

}  // namespace tablerix
