#pragma once
// Laying tiles on the board model: drags, drops, take-backs, exchange selection.
#include "game/Juego.h"

namespace tablerix {

void Deshacer(Juego& j);
// Lays the tile of a visible rack slot on an empty square, as a drop does.
void PonerDelAtril(Juego& j, int ranura, int casilla);
// Closes the gaps of the player's rack display: the tiles still shown move,
// in order, to the first slots; the slots after them are hidden.
void CerrarHuecosAtril(ModeloVentana& f);
// Whether a drag may start from a rack slot (a visible, draggable tile) or a
// board square (a tile laid this turn): the window and the driver ask first.
bool PuedeArrastrarAtril(const Juego& j, int ranura);
bool PuedeArrastrarCasilla(const Juego& j, int casilla);
void EmpezarArrastreAtril(Juego& j, int ranura);
void EmpezarArrastreCasilla(Juego& j, int casilla);
void SoltarEnCasilla(Juego& j, int casilla);
void SoltarEnAtril(Juego& j, int ranura);
void SoltarFuera(Juego& j);
// A mouse button pressed on a board square (right: take the tile back).
void PulsarCasilla(Juego& j, int casilla, bool derecho);
// Left button on a rack tile: toggles the exchange selection.
void PulsarAtril(Juego& j, int ranura);

}  // namespace tablerix
