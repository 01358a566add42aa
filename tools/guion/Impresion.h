#pragma once
// What the `print` commands show, as UTF-8 lines ready for the transcript.
#include <string>
#include <vector>

#include "game/Diccionario.h"
#include "game/Juego.h"

namespace tablerix::guion {

using Lineas = std::vector<std::string>;

// A text of the game as one transcript line: UTF-8, a carriage return as "\r".
std::string LineaVisible(const std::string& cp1252);

Lineas ImprimirTablero(const Juego& j);  // 15 lines; this turn's tiles in lower case
Lineas ImprimirAtriles(const Juego& j);
Lineas ImprimirPuntos(const Juego& j);
Lineas ImprimirBolsa(const Juego& j);
Lineas ImprimirEstado(const Juego& j);
Lineas ImprimirNivel(const Juego& j);
Lineas ImprimirPartida(const Juego& j);  // the game log
Lineas ImprimirPalabras(const Juego& j);
Lineas ImprimirMarco(const Juego& j);   // the blue frame of the computer's last word
Lineas ImprimirCursor(const Juego& j);  // the typing cursor
// The move buttons, the computer's rack row and "Fichas PC"; not part of ImprimirTodo.
Lineas ImprimirMandos(const Juego& j);
Lineas ImprimirTodo(const Juego& j);
Lineas ImprimirPorSalir(const Juego& j);   // the tiles the player has not seen
Lineas ImprimirPrevision(const Juego& j);  // the move's points before OK
// A query of the word-list window: `lookup` prints "WORD sí|no" and the
// neighbours (the word itself marked with '>'), the others a count line and
// "WORD POINTS" lines; a refused input prints "refused: REASON".
Lineas ImprimirConsulta(const Juego& j, ModoConsulta modo, const std::string& texto);
Lineas ImprimirCambios(const Juego& j);
// "stats N" (games counted), then a line for each level with games.
Lineas ImprimirEstadisticas(const Juego& j);  // "changes N", then "K added|removed WORD"

// The game's history, one line per turn; `>` marks the turn the board stands after.
Lineas ImprimirHistoria(const Juego& j);
// The squares whose tile is drawn as a blank, hollow.
Lineas ImprimirBlancos(const Juego& j);
// The game report: "report" with both scores and the result, a line per turn
// (number, side, what was played, the best move, then its points, the best
// move's and the points missed), then each side's totals.
Lineas ImprimirResumen(const Juego& j);
// A file of the program's folder, one line per CR LF ended line.
Lineas ImprimirArchivo(const std::string& carpeta, const std::string& nombre);

}  // namespace tablerix::guion
