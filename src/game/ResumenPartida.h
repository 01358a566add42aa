#pragma once
// The game report: each turn of both sides against the best move that side's
// rack allowed, on the board it was played on. Plain rows, worked out by
// computer/AnalisisPartida.h and only drawn by the window.
#include <array>
#include <optional>
#include <vector>

#include "game/Historia.h"

namespace tablerix {

struct FilaResumen {
    int Numero = 0;        // the turn's number in the game, from 1
    TurnoHistoria Jugada;  // what was played, with its points
    // The search's best move, or the move played when it scored at least as
    // much; none when nothing was found and no word was played.
    std::optional<TurnoHistoria> Mejor;
    int Perdidos = 0;  // the best move's points less the played move's, never below 0
    // The board before the turn, and the new tiles of each move, for the small board.
    std::array<char, kCasillas> Tablero = TableroVacio();
    std::array<bool, kCasillas> Blancos{};
    std::vector<FichaPrevia> FichasJugada, FichasMejor;
    std::array<int, 2> Marcador{};  // the player's and the computer's scores after the turn
    int PuntosMejor() const { return Mejor ? Mejor->Puntos : 0; }
};

struct TotalResumen {
    int Puntos = 0;            // scored by the side's moves
    int Mejor = 0;             // what its best moves would have scored
    int FilaMejorJugada = -1;  // the row of its highest-scoring move; -1 for none
    // Points scored against the best possible, 100 when there was nothing to score.
    int Porcentaje() const { return Mejor > 0 ? Puntos * 100 / Mejor : 100; }
};

struct ResumenPartida {
    // The rows start at a loaded game whose history was not saved with it.
    bool DesdePartidaCargada = false;
    bool EnCurso = true;
    std::array<int, 2> PuntosInicio{};  // both scores where the rows start
    std::array<int, 2> Puntos{};        // both scores now
    std::vector<FilaResumen> Filas;
    std::array<TotalResumen, 2> Totales;  // [0] the player, [1] the computer
};

}  // namespace tablerix
