#pragma once
// The position as one value: what the game needs to go on from it and what the
// window shows of it, captured between turns and put back whole.
#include <array>
#include <string>
#include <vector>

#include "game/Juego.h"

namespace tablerix {

struct Posicion {
    PosicionJuego Partida;                  // board, racks, bag, counters, flags and stride
    std::array<bool, kCasillas> Blancos{};  // fixed tiles that are blanks
    std::array<FichaJugador, kRanuras> AtrilJugador;      // Label5
    std::array<FichaOrdenador, kRanuras> AtrilOrdenador;  // Label11
    std::array<std::string, 2> Puntos;                    // Label4, as shown
    std::string Contador;                                 // Label7
    std::string Estado;                                   // Label9
    char ModoEstado = kModoTurnoJugador;
    std::string Nivel;  // Label6
    std::array<bool, 8> MenuNivel{};
    std::vector<std::string> Listado;  // lstPartida
    int SeleccionListado = -1;
    int AltoListado = kAltoPartida;  // the end of a game uncovers the computer's rack
    Marco Azul, Rojo;
    EstadoAzar Azar;  // the random generator, restored by drawing again

    bool operator==(const Posicion&) const = default;
};

// Taken at rest, between turns: tiles laid this turn are not in Tablero, so
// they are not in it.
Posicion CapturarPosicion(const Juego& j);

// The board rebuilt from the position's letters and blanks, everything else
// copied back; the typing cursor hidden and any drag forgotten. The turn in
// progress, the word list and the window's enabling are the caller's.
void RestaurarPosicion(Juego& j, const Posicion& p);

}  // namespace tablerix
