#pragma once
// Tablerix.his beside the saved game: the history written with it and put
// back when both belong together.
#include <string>
#include <string_view>

#include "game/Juego.h"

namespace tablerix {

std::string RutaHistoriaGuardada(const Juego& j);
// Written atomically before the saved game `partida` it is tagged with.
bool GuardarHistoria(const Juego& j, std::string_view partida);
// After a load of `partida`: the history of the file when it belongs to it,
// with the loaded board's blanks told apart again; else a history starting
// at the loaded position. A bad file changes nothing of the loaded game.
void CargarHistoria(Juego& j, std::string_view partida);

}  // namespace tablerix
