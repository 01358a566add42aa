#pragma once
// The player's statistics in Tablerix.est, in the player's folder (Carpeta):
// read when a game ends and when they are shown, written atomically.
#include <string>

#include "game/Juego.h"

namespace tablerix {

std::string RutaEstadisticas(const Juego& j);

// Reads the file into j.Estadisticas; no file is no statistics yet. A damaged
// file is told, renamed aside (never deleted) and the statistics start
// afresh. False when the file could be neither read nor set aside: then it
// must not be written over.
bool LeerEstadisticas(Juego& j);

// Counts the game that has just ended, at the level in force, and saves.
void ContarPartidaTerminada(Juego& j);

// "Borrar estadísticas": asks, then removes the file.
void BorrarEstadisticas(Juego& j);

}  // namespace tablerix
