// The opening search: every word goes to a fixed place in the centre row, so
// the only question is which entry of at most seven letters the rack can
// spell, and which of them scores most there (the first met among equals).
#include <string>

#include "computer/Busqueda.h"
#include "computer/BusquedaComun.h"
#include "game/Puntuacion.h"

namespace tablerix {

namespace {

constexpr int kLongitudMaximaPrimera = 7;

struct PuntuacionPrimera {
    int Total = 0;
    std::string Notacion;
};

// Laid from InicioPrimeraPalabra, the centre doubles the word, and from five
// letters on, letter L - 4 (1-based) stands on the double-letter square of column 3.
int LetraDoble(int L) {
    return L >= 5 ? L - 4 : 0;
}

int SumaPrimera(const int* valores, int L) {
    int suma = 0;
    for (int k = 1; k <= L; ++k) suma += valores[k - 1] * (k == LetraDoble(L) ? 2 : 1);
    return suma;
}

int TotalPrimera(const int* valores, int L) {
    return 2 * SumaPrimera(valores, L) + (L == kLongitudMaximaPrimera ? kPuntosTodasLasFichas : 0);
}

PuntuacionPrimera PuntuarPrimera(const Juego& j, const std::string& palabra) {
    const int L = static_cast<int>(palabra.size());
    int valores[kLongitudMaximaPrimera];
    std::string notacion;
    for (int k = 1; k <= L; ++k) {
        valores[k - 1] = ValorLetra(j, palabra[k - 1]);
        notacion += std::to_string(valores[k - 1]);
        if (k == LetraDoble(L)) notacion += "x2";
        if (k < L) notacion += '+';
    }
    return {TotalPrimera(valores, L),
            "(" + notacion + ")x2=" + std::to_string(2 * SumaPrimera(valores, L))};
}

}  // namespace

int InicioPrimeraPalabra(int longitud) {
    if (longitud >= 5) return kCentro - longitud;
    return longitud >= 3 ? kCentro - 2 : kCentro - 1;
}

std::int16_t BuscarMejorPrimeraJugada(Juego& j) {
    j.Busqueda.NumPalabrasJugada = 0;
    j.Busqueda.PalabrasJugada.clear();
    j.Busqueda.MejorFichas.clear();

    Restricciones r;
    LeerAtril(j, r);
    r.Fija.fill(-1);
    r.Permitidas.fill(kTodasLasLetras);
    const int paso = PasoDe(j);
    const int r0 = SortearInicio(j, paso);

    int valor[kLetras];
    for (int c = 0; c < kLetras; ++c) valor[c] = ValorLetra(j, LetraDeCodigo(c));
    Eleccion eleccion;
    for (int L = 1; L <= kLongitudMaximaPrimera; ++L) {
        r.Longitud = L;
        j.Indice.Recorrer(r, [&](const std::uint8_t* letras, Posiciones posiciones) {
            const int posicion = PrimeraVisitada(posiciones, r0, paso);
            if (posicion == 0) return;
            int valores[kLongitudMaximaPrimera];
            for (int k = 0; k < L; ++k) valores[k] = valor[letras[k]];
            eleccion.Considerar(TotalPrimera(valores, L), posicion, letras, L);
        });
    }
    const int mejorTotal = eleccion.Puntos;
    std::string mejor;
    for (int k = 0; k < eleccion.Longitud; ++k) mejor += LetraDeCodigo(eleccion.Letras[k]);
    // The scan does not let the window paint, so only the final width is ever seen.
    j.Form1.AnchoProgreso = 0;

    if (mejorTotal > 0) {
        const PuntuacionPrimera puntuacion = PuntuarPrimera(j, mejor);
        j.Busqueda.MejorFichas = mejor;
        j.Busqueda.PalabrasJugada = {mejor};
        j.Busqueda.NumPalabrasJugada = 1;
        j.Form1.List3 = {mejor, puntuacion.Notacion};
        if (mejor.size() == kLongitudMaximaPrimera) j.Form1.List3.push_back(kLineaTodasLasFichas);
        j.Puntuacion.Notacion = puntuacion.Notacion;
        j.Busqueda.PuntosMejor = static_cast<std::int16_t>(mejorTotal);
    }
    return static_cast<std::int16_t>(mejorTotal);
}

}  // namespace tablerix
