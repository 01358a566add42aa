#pragma once
// What the move search and the opening search share: the stride, the drawn
// start offset, the rack as the index takes it, and the choice among the
// entries of a scan (the highest score, the first met among equals).
#include <algorithm>
#include <array>
#include <cstdint>

#include "game/Juego.h"
#include "wordlist/IndiceBusqueda.h"

namespace tablerix {

// The scan's stride. A level sets at least 1; an unset stride scans every
// entry, and so does a recommendation while "Recomendar la mejor jugada" is on.
inline int PasoDe(const Juego& j) {
    if (j.Form1.MnuMejor && !ColocaElOrdenador(j)) return 1;
    return j.Posicion.PasoBusqueda < 1 ? 1 : j.Posicion.PasoBusqueda;
}

// The scan starts at r0 = floor(u * stride) + 1: one draw per scan.
inline int SortearInicio(Juego& j, int paso) {
    return static_cast<int>(j.Azar.Siguiente() * paso) + 1;
}

// The side to move's rack: tiles per letter, and blanks.
inline void LeerAtril(const Juego& j, Restricciones& r) {
    r.Atril.fill(0);
    r.Blancos = 0;
    for (int k = 1; k <= kRanuras; ++k) {
        char ficha = j.Posicion.Atriles[j.Jugada.Turno][k];
        if (ficha == kBlanco)
            ++r.Blancos;
        else if (CodigoLetra(ficha) >= 0)
            ++r.Atril[CodigoLetra(ficha)];
    }
}

// The first of a word's positions that a scan from r0 by the stride visits; 0 if none.
inline int PrimeraVisitada(Posiciones posiciones, int r0, int paso) {
    const int resto = r0 % paso;
    for (int p : posiciones)
        if (p % paso == resto) return p;
    return 0;
}

// The candidate a scan in position order keeps when only a strictly higher
// score replaces the one kept.
struct Eleccion {
    int Puntos = 0;
    int Posicion = 0;
    int Longitud = 0;
    std::array<std::uint8_t, kLongitudMaxima> Letras{};

    void Considerar(int puntos, int posicion, const std::uint8_t* letras, int longitud) {
        const bool mejor =
            puntos > Puntos || (puntos == Puntos && puntos > 0 && posicion < Posicion);
        if (!mejor) return;
        Puntos = puntos;
        Posicion = posicion;
        Longitud = longitud;
        std::copy(letras, letras + longitud, Letras.begin());
    }
};

}  // namespace tablerix
