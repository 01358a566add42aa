#pragma once
// Reads the bytes of Tablerix.ini and checks all of them, so that a damaged
// file is refused before anything of it reaches the game.
#include <optional>
#include <string_view>

#include "savegame/DatosPartida.h"

namespace tablerix {

// The saved game, or nothing when the bytes are not one. Section headers and the
// empty lines between sections are read and discarded, never compared; blanks
// around numbers are skipped. Besides the layout it checks: board rows of 15
// tile letters or '.'; rack and bag items that are a tile letter, '*' or empty;
// scores that read as whole numbers as wide as the game keeps them, the other
// numbers as 16-bit ones; a tile count equal to the filled bag slots; a pass
// run of 0 or 1; a stride of one of the levels. How many tiles of each letter
// there are is not checked: exchanges and the blank rule change the counts.
std::optional<DatosPartida> InterpretarPartida(std::string_view bytes);

}  // namespace tablerix
