#pragma once
// Set-up commands: they write the game state directly, for tests only.
#include <string>

#include "game/Juego.h"

namespace tablerix::guion {

// Rack p (1 player, 2 computer) from up to seven tiles, '_' an empty slot; the
// rack's display is rebuilt from it. The bag is not touched.
void PonerAtril(Juego& j, int p, const std::string& fichas);
// Bag slots 1.. from the tiles ('_' an empty slot), the rest emptied.
void PonerBolsa(Juego& j, const std::string& fichas);
// Fixes a word on the board as a fixed move would; false with `conflicto` set
// to the square when a square already holds another letter.
bool FijarPalabra(Juego& j, int inicio, const std::string& palabra, char direccion, int& conflicto);
void PonerPuntos(Juego& j, int p, int puntos);
// From now on every file save fails as on a full disk (its flush to disk fails,
// the old file stays), or works again.
void SimularDiscoLleno(bool lleno);

}  // namespace tablerix::guion
