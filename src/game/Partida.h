#pragma once
// A new game, and drawing tiles from the bag.
#include "game/Juego.h"

namespace tablerix {

void NuevaPartida(Juego& j);
// All 100 tiles into slots 1..100, letter after letter in character-code
// order from A to Z, Ñ in the place of W (which has no tile), the blanks last.
// Not alphabet order on purpose: a draw picks a slot, so the slot order is
// part of every game dealt from a seed.
void LlenarBolsa(Juego& j);
// A square at rest holding the fixed letter `letra` (' ' for none), in Tablero
// and on the board: its premium back when empty, the tile colour when not.
// `blanco`: the tile is a blank, drawn apart (a new game and a load know none).
void PonerCasillaFija(Juego& j, int casilla, char letra, bool blanco = false);
void RobarFichas(Juego& j, int p);
// Tiles of a letter (kBlanco: blanks) in a full bag.
int FichasIniciales(char ficha);

// How MostrarAtril rebuilds a rack display from Atriles.
struct ComoMostrarAtril {
    // Hide the slots with no tile: a take-back, a load and the computer's
    // refill. The player's refill after a move only shows the slots it filled,
    // leaving the rest as the laying left them (a new game's deal fills all).
    bool OcultarVacias = true;
    // The player's tiles plain and draggable again, out of an exchange
    // selection: a new game and a take-back.
    bool Restablecer = false;
};
// Rack p's display (Label5 for 1, Label11 for 2) from Atriles(p).
void MostrarAtril(Juego& j, int p, ComoMostrarAtril como = {});

}  // namespace tablerix
