#pragma once
// The word-list window's logic: what the player types made into tiles, the
// three queries, and words taught, removed and given back by hand.
#include <string>
#include <string_view>
#include <vector>

#include "game/Juego.h"
#include "wordlist/ConsultasLista.h"

namespace tablerix {

enum class ModoConsulta { Buscar, ConFichas, Patron };

struct FilaConsulta {
    int Posicion = 0;  // in the list; 0 for a looked-up word the list lacks
    int Puntos = 0;
    bool Buscada = false;  // the looked-up word's own row
};

struct RespuestaConsulta {
    std::string Error;  // the input was refused, and why
    std::string Texto;  // the input as the query read it
    bool Existe = false;
    int Total = 0;  // words found (ConFichas, Patron)
    std::vector<FilaConsulta> Filas;
};

// Typed text as tiles: small letters in capitals, accented vowels plain, Ñ
// kept, blanks at the ends dropped; `comodines` lists the other characters
// allowed. On a refusal, `error` names the character.
std::string NormalizarEntrada(std::string_view texto, std::string_view comodines,
                              std::string& error);
// The refusal of one character; the window names characters the game's text
// cannot hold with it too.
std::string NoHayFicha(std::string_view caracter);

RespuestaConsulta Consultar(const Juego& j, ModoConsulta modo, std::string_view texto,
                            bool todasLasFichas = false);
// A row's word as the list holds it.
const std::string& PalabraDeFila(const Juego& j, const RespuestaConsulta& r,
                                 const FilaConsulta& fila);

// By hand, through the same routines as play; a refusal is told in a box.
void AnadirPalabra(Juego& j, std::string_view texto);
void QuitarPalabra(Juego& j, std::string_view texto);
void DeshacerCambio(Juego& j, int cambio);

}  // namespace tablerix
