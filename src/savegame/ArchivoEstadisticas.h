#pragma once
// The bytes of Tablerix.est, the player's statistics: a header line, then one
// line per level that has games ("nivel N ...") and one for the last game
// counted ("ultima IDENTITY N ..."), Windows-1252 with CR LF. Each record is
// games, won, lost, tied, moves, their points, the best game's score and date,
// the best move's word, points and date ("-" for a word or date not there).
#include <optional>
#include <string>
#include <string_view>

#include "game/Estadisticas.h"

namespace tablerix {

std::string FormatearEstadisticas(const TablaEstadisticas& t);
// The statistics, or nothing when the bytes are damaged in any way: a
// record whose counts do not add up, a best move without moves, a level out
// of range or given twice, a word that is not tile letters, a date that is not
// one. Whatever it accepts, FormatearEstadisticas writes back the same.
std::optional<TablaEstadisticas> InterpretarEstadisticas(std::string_view bytes);

}  // namespace tablerix
