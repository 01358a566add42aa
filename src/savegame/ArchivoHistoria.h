#pragma once
// The bytes of Tablerix.his, the history of the saved game beside it:
// Windows-1252, one item per line, every line ended by CR LF. It holds the
// turns up to the position on the board and the positions the player moved
// from, not their logs: each names how many lines of the saved game's log it
// shows. The first line after the header is the saved game's checksum.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/Historia.h"

namespace tablerix {

// FNV-1a over the saved game's bytes: tells a history from another game's.
std::uint64_t SumaDeControl(std::string_view bytes);

// The turns that could be redone are left out.
std::string FormatearHistoria(const Historia& h, std::uint64_t sumaPartida);

struct HistoriaLeida {
    std::uint64_t SumaPartida = 0;
    Historia Contenido;  // its last parada current; Listado empty
    bool operator==(const HistoriaLeida&) const = default;
};

// Nothing unless every item is there and usable: tile letters where tiles
// go, bag counts that match, levels that exist, positions of a game in
// progress in the order played, random states that can be reached quickly.
// Captions derived from a value (the level's, the bag counter) are not
// stored: they are rebuilt from it.
std::optional<HistoriaLeida> InterpretarHistoria(std::string_view bytes);

// The most draws a stored random state may have taken: drawn again at a
// take-back, they must not hold the game up.
constexpr std::uint64_t kMaximoExtracciones = std::uint64_t{1} << 28;

}  // namespace tablerix
