#pragma once
// The turn cycle: the player's move, pass or exchange, and the computer's answer.
#include "game/Juego.h"

namespace tablerix {

void JugarTurno(Juego& j);
void Pasar(Juego& j);          // the pass button
void EmpezarCambio(Juego& j);  // the exchange button
// OK in exchange mode; false when refused (the cycle stops).
bool CompletarCambio(Juego& j);
// What OK does before it checks the player's move: every tile marked, this
// turn's counted for the bonus, the check allowed to speak.
void PrepararComprobacion(Juego& j);

}  // namespace tablerix
