#pragma once
// The computer's move search on a board with words, and the opening search.
#include <cstdint>

#include "game/Juego.h"

namespace tablerix {

// The display shows Tablero and nothing else: fixed tiles black and marked
// "1", empty squares red and unmarked, and it is not the first move. Only then
// does BuscarMejorJugada take its fast path; the computer's turn and the
// recommendation must start their searches from such a display.
bool PantallaEnReposo(const Juego& j);

// Search phase of BuscarJugada: fills the best-move record (MejorPuntos,
// MejorInicio, MejorFichas, MejorDireccion, PalabrasJugada, NumPalabrasJugada,
// PuntosMejor, List3) for the rack of Turno, moves the progress fill and lets
// the window repaint every few milliseconds. Trial moves are checked silently
// and lifted again. Fast when PantallaEnReposo holds; otherwise every
// candidate is put to the move check.
void BuscarMejorJugada(Juego& j);

// Search phase of BuscarPrimeraJugada: fills MejorFichas (the word),
// PalabrasJugada, PuntosMejor and List3 for the best word the rack can spell,
// and returns its total, 0 when there is none.
std::int16_t BuscarMejorPrimeraJugada(Juego& j);

// Where the opening word of `longitud` letters goes: letter k (1-based) on
// square InicioPrimeraPalabra(longitud) + k, in row 7, covering the centre.
int InicioPrimeraPalabra(int longitud);

}  // namespace tablerix
