#pragma once
// The premium squares: each kind's colour, what it multiplies and by how much,
// and where they lie on the board. The start-up, the scorer and both searches
// read them from here.
#include <array>

#include "game/Tipos.h"

namespace tablerix {

struct TipoPremio {
    char Clave;      // its mark in kDisenoPremios
    Color Fondo;     // the square's colour
    bool DePalabra;  // multiplies the whole word, else its own letter
    int Factor;
};

constexpr std::array<TipoPremio, 4> kTiposPremio{{
    {'T', kPalabraX3, true, 3},
    {'D', kPalabraX2, true, 2},
    {'t', kLetraX3, false, 3},
    {'d', kLetraX2, false, 2},
}};

// The board's design, row by row; '.' is a plain square.
constexpr const char* kDisenoPremios[kLado] = {
    "T..d...T...d..T", ".D...t...t...D.", "..D...d.d...D..", "d..D...d...D..d", "....D.....D....",
    ".t...t...t...t.", "..d...d.d...d..", "T..d...D...d..T", "..d...d.d...d..", ".t...t...t...t.",
    "....D.....D....", "d..D...d...D..d", "..D...d.d...D..", ".D...t...t...D.", "T..d...T...d..T"};

// The kind a square's colour shows; nullptr for a plain square or a tile.
constexpr const TipoPremio* PremioDeColor(Color fondo) {
    for (const TipoPremio& t : kTiposPremio)
        if (t.Fondo == fondo) return &t;
    return nullptr;
}

// The kind the design puts on a square; nullptr for a plain one.
constexpr const TipoPremio* PremioDeCasilla(int casilla) {
    const char clave = kDisenoPremios[casilla / kLado][casilla % kLado];
    for (const TipoPremio& t : kTiposPremio)
        if (t.Clave == clave) return &t;
    return nullptr;
}

}  // namespace tablerix
