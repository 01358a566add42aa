#pragma once
// Start-up: the design-time board, the tables built once, the word list behind
// the progress window, the first game.
#include "game/Juego.h"

namespace tablerix {

// The main window as designed: premium colours on the squares, labels, menu checks.
void DisenoInicial(ModeloVentana& form);
void LeerPremios(Juego& j);
void ConstruirValores(Juego& j);
void ConstruirLeyenda(Juego& j);
// Loads Tablerix.pal behind the progress window; false (after the message) when
// there is none: the program must end.
bool CargarListaPalabras(Juego& j);
// Saves Tablerix.pal behind the progress window; a failure is reported and
// gives false.
bool GuardarListaPalabras(Juego& j);
// The whole start-up sequence, from the window as designed (DisenoInicial);
// false: no word list, end the program. The random source is seeded from the
// clock unless the caller seeded it already (tests, driver).
bool Arrancar(Juego& j, bool sembrarDelReloj = true);

}  // namespace tablerix
