#pragma once
// Mid-game positions for the search's tests and benchmark: games played by the
// search itself from an empty board, with racks drawn at random from the tile
// set, on a Juego whose tables and word list are ready.
#include <random>

#include "game/Juego.h"

namespace tablerix {

// Clears the board and the display (premium backgrounds kept).
void VaciarTablero(Juego& j);
// A tile fixed in an earlier move, as the game leaves it.
void FijarFicha(Juego& j, int casilla, char letra);
// Marks every occupied square, as the computer's turn does before its search.
void MarcarOcupadas(Juego& j);
// Fills the rack of j.Jugada.Turno with `fichas` tiles drawn from the tile set; at most
// `blancosMaximo` of them are blanks.
void RepartirAtril(Juego& j, std::mt19937_64& g, int fichas = 7, int blancosMaximo = 1);
// An opening word and then `jugadas` moves, each the search's best at stride 1
// for a fresh rack (a move that finds nothing leaves the board as it was).
void JugarPartidaAleatoria(Juego& j, std::mt19937_64& g, int jugadas);

}  // namespace tablerix
