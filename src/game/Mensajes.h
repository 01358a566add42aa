#pragma once
// Message boxes and the game log, as every routine uses them. Texts are
// Windows-1252; write literals through Txt("...") so accents come out right.
#include <string>

#include "game/Juego.h"

namespace tablerix {

// Question box, OK and Cancel: true for OK. Enter answers `porDefecto`.
bool Preguntar(Juego& j, const std::string& texto, Icono icono = Icono::Pregunta,
               Respuesta porDefecto = Respuesta::Aceptar);
// The same, about what the board shows: the window keeps the box off the board.
bool PreguntarJuntoAlTablero(Juego& j, const std::string& texto, Icono icono = Icono::Pregunta,
                             Respuesta porDefecto = Respuesta::Aceptar);
void Informar(Juego& j, const std::string& texto);
void Advertir(Juego& j, const std::string& texto);

void AgregarLinea(Juego& j, const std::string& linea);
// Ends a log block: selects the line just appended, then appends an empty line.
void CerrarBloque(Juego& j);

// A score label holds the score as text; these read it and add to it.
int LeerPuntos(const std::string& etiqueta);
void SumarPuntos(std::string& etiqueta, int puntos);

// Enables or disables the main window, in the model and on screen.
void HabilitarVentana(Juego& j, bool habilitada);

constexpr char kEsTuTurno[] = "Es tu turno.";

// Status line text and mode mark.
void PonerEstado(Juego& j, const std::string& texto, char modo);

}  // namespace tablerix
