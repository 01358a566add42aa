#pragma once
// The computer's searches as plain loops: every
// window against the whole list, every fitting word laid on trial and judged by
// the real move check. Slow; the fast searches must give the same results.
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "game/Juego.h"

namespace tablerix {

void BuscarMejorJugadaReferencia(Juego& j);
std::int16_t BuscarMejorPrimeraJugadaReferencia(Juego& j);

// Runs `buscar` silently from `semilla` and returns all it leaves for the turn:
// its total (-1 for the move search), the best-move record, the progress fill,
// the next random number (one draw per window) and whether the board was left
// as found. List3 and PuntosMejor are preset: neither search clears them
// unless it finds a move.
template <class Busqueda>
auto Ejecutar(Juego& j, std::uint64_t semilla, Busqueda buscar) {
    const auto antes = j.Form1.Label1;
    j.Form1.List3 = {"anterior"};
    j.Busqueda.PuntosMejor = -1;
    j.Jugada.Silencioso = true;
    j.Azar.Sembrar(semilla);
    int total = -1;
    if constexpr (std::is_void_v<decltype(buscar(j))>)
        buscar(j);
    else
        total = buscar(j);
    bool intacto = true;
    for (int q = 0; q < kCasillas; ++q)
        intacto &=
            antes[q].Letra == j.Form1.Label1[q].Letra && antes[q].Marca == j.Form1.Label1[q].Marca;
    Aleatorio azar = j.Azar;
    return std::make_tuple(
        total, j.Busqueda.MejorPuntos, j.Busqueda.MejorInicio, j.Busqueda.MejorDireccion,
        j.Busqueda.MejorFichas, j.Busqueda.PuntosMejor, j.Busqueda.NumPalabrasJugada,
        j.Busqueda.PalabrasJugada, j.Form1.List3, j.Form1.AnchoProgreso, azar.Siguiente(), intacto);
}

}  // namespace tablerix
