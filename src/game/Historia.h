#pragma once
// The game's history: every completed turn of both sides, and the positions
// where the player was to move, so a turn can be taken back and redone.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/Juego.h"
#include "game/Posicion.h"

namespace tablerix {

enum class TipoTurno { Palabra, Pase, Cambio };

struct TurnoHistoria {
    std::int16_t Lado = kTurnoJugador;
    TipoTurno Tipo = TipoTurno::Pase;
    // A word: the main word, its first square and direction, the other words formed.
    std::string Palabra;
    int Casilla = 0;
    char Direccion = kHorizontal;
    std::vector<std::string> OtrasPalabras;
    int Puntos = 0;  // the word's points; 0 for a pass or an exchange
    int Fichas = 0;  // tiles exchanged
    bool operator==(const TurnoHistoria&) const = default;
};

// A position the player was to move from, or the end of the game. Its log is
// kept once for all, in Historia::Listado: within a game the log only grows.
struct Parada {
    std::size_t TurnosHechos = 0;  // turns played before it
    Posicion Momento;              // with an empty Listado
    std::size_t LineasListado = 0;
    bool operator==(const Parada&) const = default;
};

struct Historia {
    std::vector<TurnoHistoria> Turnos;
    std::vector<Parada> Paradas;       // never empty once a game has started
    std::size_t Actual = 0;            // the parada on the board; later ones can be redone
    std::vector<std::string> Listado;  // the log of the latest parada
    bool operator==(const Historia&) const = default;
};

Historia& HistoriaDe(Juego& j);
const Historia& HistoriaDe(const Juego& j);

// A history whose only parada is the position on the board: a new game, a
// load, the driver's set-up.
void EmpezarHistoria(Juego& j);
// The position on the board as the latest parada, after every turn anotated:
// a loaded history goes on from the loaded game.
void ContinuarHistoria(Juego& j);

// The word a move made, read from the board before and after it as the move
// check reads it; none when no square was filled.
std::optional<TurnoHistoria> DescribirPalabra(std::int16_t lado,
                                              const std::array<char, kCasillas>& antes,
                                              const std::array<char, kCasillas>& despues,
                                              int puntos);

// A completed turn. The player's drops the turns that could be redone.
// `tableroAntes`: the fixed letters before the word; `puntos`: what it scored.
void AnotarPalabra(Juego& j, std::int16_t lado, const std::array<char, kCasillas>& tableroAntes,
                   int puntos);
void AnotarPase(Juego& j, std::int16_t lado);
void AnotarCambio(Juego& j, std::int16_t lado, int fichas);
// After a handler: the position reached by the turns anotated since the last
// parada (the player to move again, or the game over) becomes one.
void CerrarTurnos(Juego& j);

// Enabled in the player's turn and after the end, never while a handler runs
// (the computer playing, a question or the letter chooser open) nor in
// exchange mode; Deshacer needs an earlier parada, Rehacer a later one.
bool PuedeDeshacerJugada(const Juego& j);
bool PuedeRehacerJugada(const Juego& j);
// Tiles laid this turn go back, then the earlier (later) parada is put back
// whole: the player's turn of it, or the end.
void DeshacerJugada(Juego& j);
void RehacerJugada(Juego& j);
// The parada `k` on the board, as DeshacerJugada and RehacerJugada put it.
void IrAParada(Juego& j, std::size_t k);

}  // namespace tablerix
