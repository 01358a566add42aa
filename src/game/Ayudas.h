#pragma once
// Play aids beyond the described game.
#include <array>
#include <string>

#include "game/Juego.h"
#include "wordlist/Alfabeto.h"

namespace tablerix {

// "Mezclar fichas" may run: the player's turn in a game in progress, outside
// exchange mode, with no tile laid this turn.
bool PuedeMezclar(const Juego& j);
// Shuffles the order of the player's rack display, as swaps by hand would.
void MezclarAtril(Juego& j);

// Tiles the player has not seen (the bag and the computer's rack), as the
// player can count them: one count per letter of kAlfabeto, then the blanks.
// A blank on the board not known as one counts as its letter.
using FichasPorSalir = std::array<int, kLetras + 1>;
FichasPorSalir ContarFichasPorSalir(const Juego& j);

// The names players give the board's columns (A to O) and rows (1 to 15).
std::string NombreColumna(int columna);  // 0..14
std::string NombreFila(int fila);        // 0..14

}  // namespace tablerix
