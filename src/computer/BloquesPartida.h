#pragma once
// The game log's move blocks: a header, the lines of the event, and the
// closing every block gets (the last line selected, then an empty line).
#include <string>
#include <vector>

#include "game/Juego.h"

namespace tablerix {

// A laid word: header, its word record, then "-----Total: " and the points.
void EscribirBloqueJugada(Juego& j, const std::string& cabecera,
                          const std::vector<std::string>& lineas, int total);
// A pass or an exchange: header and one line.
void EscribirBloqueAviso(Juego& j, const std::string& cabecera, const std::string& linea);

}  // namespace tablerix
