#pragma once
// Playing with the keyboard: a cursor aimed at an empty square, letters typed
// onto it from the rack, and letters selecting rack tiles for an exchange.
// Tiles go down through the same routine as a drop.
#include "game/Juego.h"

namespace tablerix {

// The tile letter a typed character stands for (either case, an accented
// vowel as the plain vowel), or '\0' when it stands for none.
char LetraDeTecla(char caracter);
// A letter key: a tile letter's, or W, which has a key but no tile.
bool EsTeclaDeLetra(char caracter);

// A left click on a square: an empty one takes the cursor, across; a second
// click on it turns the cursor down and back.
void ApuntarCasilla(Juego& j, int casilla);
// An arrow key: one square, staying at the board's edge.
void MoverCursor(Juego& j, int filas, int columnas);
// A character key: lays a rack tile on the cursor's square, or in exchange
// mode toggles a rack tile's selection (a blank with ' ' or '*').
void TeclearCaracter(Juego& j, char caracter);
// Backspace: the last tile typed goes back to the rack, the cursor onto its square.
void DevolverTecleada(Juego& j);
// Hides the cursor and forgets what was typed (a new game, a load, the
// computer's turn, exchange mode, the end of the game).
void OcultarCursor(Juego& j);

}  // namespace tablerix
