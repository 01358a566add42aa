#pragma once
// Reading a word off the board and scoring it with its notation.
#include "game/Juego.h"

namespace tablerix {

// A move that lays all seven rack tiles scores this much more, and its word
// record ends with this line.
constexpr int kPuntosTodasLasFichas = 50;
constexpr char kLineaTodasLasFichas[] = "Todas las fichas: +50";

// Value of a tile letter from Valores; 0 for a blank or anything else.
int ValorLetra(const Juego& j, char letra);
void PuntuarPalabra(Juego& j, int inicio, char direccion);
void PuntuarLetra(Juego& j, char letra, int casilla);

}  // namespace tablerix
