#pragma once
// Every user action the main window forwards to the game. While one of them
// runs (the computer thinking, a question open), the others do nothing, so
// events processed during a long search cannot start a second cycle.
#include <string>

#include "game/Juego.h"

namespace tablerix {

void cmdOk_Click(Juego& j);
void cmdPasar_Click(Juego& j);
void cmdCambiar_Click(Juego& j);
void cmdEscape_Click(Juego& j);

void MnuNew_Click(Juego& j);
void MnuSave_Click(Juego& j);
void MnuLoad_Click(Juego& j);
void mnuBorGuar_Click(Juego& j);
void MnuContra_Click(Juego& j);
// "Deshacer jugada" and "Rehacer jugada": nothing unless PuedeDeshacerJugada
// (PuedeRehacerJugada, game/Historia.h) says the menu entry is enabled.
void MnuDeshacerJugada_Click(Juego& j);
void MnuRehacerJugada_Click(Juego& j);
void MnuRecom_Click(Juego& j);
void MnuMejor_Click(Juego& j);    // "Recomendar la mejor jugada", a switch
void MnuMezclar_Click(Juego& j);  // "Mezclar fichas"
// "Juego › Estadísticas": reads them into Juego::Estadisticas for the window.
void MnuEstadisticas_Click(Juego& j);
// "Juego › Resumen de la partida": works the report out into Juego::Resumen
// for the window; nothing unless PuedeResumir (computer/AnalisisPartida.h).
void MnuResumen_Click(Juego& j);
void BorrarEstadisticas_Click(Juego& j);  // asks first
void MnuNiv_Click(Juego& j, int i);
void MnuHelp_Click(Juego& j);
void About_Click(Juego& j);

void Atril_EmpezarArrastre(Juego& j, int ranura);
void Casilla_EmpezarArrastre(Juego& j, int casilla);
void Casilla_Soltar(Juego& j, int casilla);
void Atril_Soltar(Juego& j, int ranura);
void Fuera_Soltar(Juego& j);
void Casilla_Pulsar(Juego& j, int casilla, bool derecho);
void Atril_Pulsar(Juego& j, int ranura);
// A left click (press and release in place) on a square: aims the typing cursor.
void Casilla_Click(Juego& j, int casilla);

// A key pressed on the main window. `Caracter` is a character key, given in
// `caracter` (Windows-1252). False when the key is not the game's now (no game
// in progress, a character that is not a letter, ' ' or '*', or ' ' outside
// exchange mode): the focused control may have it, so Space still presses
// the focused button.
enum class Tecla { Caracter, Intro, Escape, Retroceso, Izquierda, Derecha, Arriba, Abajo };
bool Form_Tecla(Juego& j, Tecla tecla, char caracter = '\0');

// The word-list window: a word taught or removed by hand as typed (refusals
// told in a box), and one change of the list undone (0-based, as listed).
void Diccionario_Anadir(Juego& j, const std::string& texto);
void Diccionario_Quitar(Juego& j, const std::string& texto);
void Diccionario_Deshacer(Juego& j, int cambio);

// Closing the main window: the two questions, then the program may end.
// False, and closing is ignored, while another handler runs or when a save the
// player asked for failed.
bool Form_Unload(Juego& j);

}  // namespace tablerix
