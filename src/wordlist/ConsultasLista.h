#pragma once
// Questions the player asks of the word list: a word and its neighbours in list
// order, the words some tiles can make, the words that fit a pattern. They walk
// the search index and answer with positions in the list, never copies of it.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "wordlist/IndiceBusqueda.h"
#include "wordlist/ListaPalabras.h"

namespace tablerix {

// Points of each tile letter, by letter code.
using ValoresLetras = std::array<int, kLetras>;

// Wildcards of the queries: one letter (a blank among tiles), any run of letters.
constexpr char kUnaLetra = '?';
constexpr char kVariasLetras = '*';

// Found words beyond this many are counted, not listed.
constexpr int kMaximoResultados = 3000;

struct Vecinas {
    bool Existe = false;
    // The word's first position, or where an inclusion would put it.
    int Posicion = 0;
    std::vector<int> Antes, Despues;  // positions of the neighbours, in list order
};

// `palabra` in tile letters. Placeholders and empty entries are not neighbours.
Vecinas BuscarVecinas(const ListaPalabras& lista, const IndiceBusqueda& indice,
                      std::string_view palabra, int cuantas = 5);

struct Encontrada {
    int Posicion = 0;  // the first entry of the word
    int Puntos = 0;
};

struct Encontradas {
    int Total = 0;  // all the words found; Palabras holds at most kMaximoResultados
    // Longest first, then most points, then list order.
    std::vector<Encontrada> Palabras;
};

// Words of 2 to 15 letters the tiles can make (tile letters, kUnaLetra for a
// blank, which scores as the letter it stands for); with `todas`, only those
// using every tile.
Encontradas PalabrasConFichas(const IndiceBusqueda& indice, std::string_view fichas, bool todas,
                              const ValoresLetras& valores);

// Words of up to 15 letters fitting `patron`: tile letters, kUnaLetra and kVariasLetras.
Encontradas PalabrasConPatron(const IndiceBusqueda& indice, std::string_view patron,
                              const ValoresLetras& valores);

}  // namespace tablerix
