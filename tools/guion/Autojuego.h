#pragma once
// Self-play: the player's side follows the recommendation, exchanges its whole
// rack when nothing is found (or passes with the bag empty), and every question
// is answered OK. Prints one line per game and a summary with search times.
#include <optional>
#include <ostream>
#include <vector>

#include "VentanaConReloj.h"
#include "game/Juego.h"

namespace tablerix::guion {

// Nearest-rank percentile (0 < p <= 1) of the values; 0 for none.
double Percentil(std::vector<double> valores, double p);

struct NivelesAutojuego {
    std::optional<int> Jugador, Ordenador;  // menu entries; none: leave the level as it is
};

// Plays `partidas` games from new games. Throws std::runtime_error when a game
// does not progress (a recommended move refused, or no end in sight).
void Autojugar(Juego& j, VentanaConReloj& ventana, int partidas, NivelesAutojuego niveles,
               std::ostream& salida);

}  // namespace tablerix::guion
