// The opening search: every word goes to a fixed place in the centre row, so
// the only question is which entry of at most seven letters the rack can
// spell, and which of them scores most there (the first met among equals).
#include <array>
#include <string>

#include "computer/Busqueda.h"
#include "computer/BusquedaComun.h"
#include "game/Premios.h"
#include "game/Puntuacion.h"

namespace tablerix {

namespace {

constexpr int kLongitudMaximaPrimera = 7;

constexpr int Inicio(int longitud) {
    if (longitud >= 5) return kCentro - longitud;
    return longitud >= 3 ? kCentro - 2 : kCentro - 1;
}

// The premiums under a word of each length laid from its place: always the
// centre's, and from five letters on the double letter of column 3.
struct PremiosPrimera {
    std::array<int, kLongitudMaximaPrimera> Letra{};
    int Palabra = 1;
};

constexpr std::array<PremiosPrimera, kLongitudMaximaPrimera + 1> TablaPremiosPrimera() {
    std::array<PremiosPrimera, kLongitudMaximaPrimera + 1> tabla{};
    for (int L = 1; L <= kLongitudMaximaPrimera; ++L) {
        for (int k = 1; k <= L; ++k) {
            const TipoPremio* premio = PremioDeCasilla(Inicio(L) + k);
            tabla[L].Letra[k - 1] = premio && !premio->DePalabra ? premio->Factor : 1;
            if (premio && premio->DePalabra) tabla[L].Palabra *= premio->Factor;
        }
    }
    return tabla;
}
constexpr auto kPremiosPrimera = TablaPremiosPrimera();

int SumaPrimera(const int* valores, int L) {
    int suma = 0;
    for (int k = 0; k < L; ++k) suma += valores[k] * kPremiosPrimera[L].Letra[k];
    return suma;
}

int TotalPrimera(const int* valores, int L) {
    return kPremiosPrimera[L].Palabra * SumaPrimera(valores, L) +
           (L == kLongitudMaximaPrimera ? kPuntosTodasLasFichas : 0);
}

struct PuntuacionPrimera {
    int Total = 0;
    std::string Notacion;
};

// Written "x2" here where the scorer writes "*2": the log has always read so.
PuntuacionPrimera PuntuarPrimera(const Juego& j, const std::string& palabra) {
    const int L = static_cast<int>(palabra.size());
    const PremiosPrimera& premios = kPremiosPrimera[L];
    int valores[kLongitudMaximaPrimera];
    std::string notacion;
    for (int k = 0; k < L; ++k) {
        valores[k] = ValorLetra(j, palabra[k]);
        notacion += std::to_string(valores[k]);
        if (premios.Letra[k] != 1) notacion.append("x").append(std::to_string(premios.Letra[k]));
        if (k + 1 < L) notacion += '+';
    }
    return {TotalPrimera(valores, L),
            "(" + notacion + ")x" + std::to_string(premios.Palabra) + "=" +
                std::to_string(premios.Palabra * SumaPrimera(valores, L))};
}

}  // namespace

int InicioPrimeraPalabra(int longitud) {
    return Inicio(longitud);
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
        IndiceDe(j).Recorrer(r, [&](const std::uint8_t* letras, Posiciones posiciones) {
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
