#pragma once
// The one saved game, Tablerix.ini in the program's folder.
#include <string>

#include "game/Juego.h"

namespace tablerix {

std::string RutaPartidaGuardada(const Juego& j);
bool GuardarPartida(Juego& j);  // after the caller's question; false when nothing was saved
void CargarPartida(Juego& j);   // asks its own question
void BorrarPartidaGuardada(Juego& j);

}  // namespace tablerix
