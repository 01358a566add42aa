#include "BusquedaReferencia.h"

#include <algorithm>

#include "game/Comprobacion.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

int Sortear(Juego& j) {
    return static_cast<int>(j.Azar.Siguiente() * j.Posicion.PasoBusqueda) + 1;
}

// Takes each letter of `letras` from the rack `resto`, a tile of the letter
// first, else a blank; false when one is missing.
bool CabeEnAtril(const std::string& letras, std::string resto) {
    for (char f : letras) {
        // An entry holding '*', '.', '-' or a small letter would otherwise pass.
        if (!EsLetraDeFicha(f)) return false;
        std::size_t p = resto.find(f);
        if (p == std::string::npos) p = resto.find('*');
        if (p == std::string::npos) return false;
        resto[p] = '.';
    }
    return true;
}

std::string AtrilDelTurno(const Juego& j) {
    std::string r;
    for (int k = 1; k <= kRanuras; ++k)
        if (j.Posicion.Atriles[j.Jugada.Turno][k] != kSinFicha)
            r += j.Posicion.Atriles[j.Jugada.Turno][k];
    return r;
}

int Valor(const Juego& j, char c) {
    for (int e = 1; e <= kLetras; ++e)
        if (j.Valores[e][0] == c) return j.Valores[e][1] - '0';
    return 0;
}

// Every word of the window's length that fits it and the rack, laid on trial,
// marked like the player's tiles, judged by the move check and lifted again.
void ProbarVentana(Juego& j, const std::string& v) {
    RegistroBusqueda& b = j.Busqueda;
    const int paso = PasoDireccion(b.DireccionActual);
    for (int i = Sortear(j); i <= j.Lista.NumPalabras(); i += j.Posicion.PasoBusqueda) {
        const std::string& w = j.Lista.Palabras()[i];
        if (w.size() != v.size()) continue;
        std::string t, colocar;  // the tiles to lay, '-' over the board's letters
        bool encaja = true;
        for (std::size_t k = 0; k < v.size(); ++k) {
            encaja &= v[k] == '?' || v[k] == w[k];
            t += v[k] == '?' ? w[k] : '-';
            if (v[k] == '?') colocar += w[k];
        }
        if (!encaja || !CabeEnAtril(colocar, AtrilDelTurno(j))) continue;
        auto poner = [&](bool encima) {
            for (std::size_t k = 0; k < t.size(); ++k) {
                if (t[k] == '-') continue;
                Casilla& c = j.Form1.Label1[b.InicioVentana + k * paso];
                c.Letra = encima ? t[k] : ' ';
                c.Marca = encima ? kMarcaOcupada : kMarcaReposo;
            }
        };
        j.Jugada.FichasColocadas = static_cast<std::int16_t>(colocar.size());
        poner(true);
        ComprobarJugada(j);
        if (j.Jugada.JugadaValida && j.Jugada.PuntosJugada > b.MejorPuntos) {
            b.MejorInicio = b.InicioVentana;
            b.MejorPuntos = j.Jugada.PuntosJugada;
            b.MejorFichas = t;
            b.MejorDireccion = b.DireccionActual;
            j.Form1.List3 = j.Form1.List4;
            b.PalabrasJugada.clear();
            for (const std::string& linea : j.Form1.List4)
                if (linea.find_first_of("+=") == std::string::npos)
                    b.PalabrasJugada.emplace_back(SinBlancos(linea));
            b.NumPalabrasJugada = static_cast<std::int16_t>(b.PalabrasJugada.size());
            b.PuntosMejor = j.Jugada.SumaPalabras;
        }
        poner(false);
        j.Ventana.ProcesarEventos();
    }
}

}  // namespace

void BuscarMejorJugadaReferencia(Juego& j) {
    RegistroBusqueda& b = j.Busqueda;
    b.NumPalabrasJugada = b.MejorPuntos = b.MejorInicio = 0;
    b.PalabrasJugada.clear();
    b.MejorFichas.clear();
    b.MejorDireccion = '\0';
    b.OrdenadorNoJuega = false;
    for (char d : {kHorizontal, kVertical}) {
        const int paso = PasoDireccion(d);
        for (int l = 0; l < kLado; ++l) {
            b.LineaActual = static_cast<std::int16_t>(d == kHorizontal ? kLado * l : l);
            b.DireccionActual = d;
            std::string p;  // the line, '?' where open
            for (int k = 0; k < kLado; ++k) p += j.Posicion.Tablero[b.LineaActual + k * paso];
            std::replace(p.begin(), p.end(), ' ', '?');
            // Every window of 1 to 7 open squares, with a letter, no letter touching either end.
            for (int s = 0; s < kLado && p != std::string(kLado, '?'); ++s) {
                b.InicioVentana = static_cast<std::int16_t>(b.LineaActual + s * paso);
                for (int n = 1; s + n <= kLado; ++n) {
                    const std::string v = p.substr(s, n);
                    const auto huecos = std::count(v.begin(), v.end(), '?');
                    if ((s + n == kLado || p[s + n] == '?') && (s == 0 || p[s - 1] == '?') &&
                        huecos < n && huecos >= 1 && huecos <= 7)
                        ProbarVentana(j, v);
                }
            }
            // Rows fill the first half, columns the second, each rounded down.
            j.Form1.AnchoProgreso = kAnchoProgreso * (l + (d == kHorizontal ? 0 : 14)) / 28;
        }
    }
}

std::int16_t BuscarMejorPrimeraJugadaReferencia(Juego& j) {
    j.Busqueda.NumPalabrasJugada = 0;
    j.Busqueda.PalabrasJugada.clear();
    j.Busqueda.MejorFichas.clear();
    int mejor = 0;
    const std::string r = AtrilDelTurno(j);
    for (int i = Sortear(j); i <= j.Lista.NumPalabras(); i += j.Posicion.PasoBusqueda) {
        const std::string& w = j.Lista.Palabras()[i];
        const std::size_t L = w.size();
        if (L < 8 && CabeEnAtril(w, r)) {
            // Letter L - 4 stands on the double-letter square.
            int s = L >= 5 ? Valor(j, w[L - 5]) : 0;
            std::string notacion;
            for (std::size_t k = 0; k < L; ++k) {
                s += Valor(j, w[k]);
                notacion += std::string(k ? "+" : "") + std::to_string(Valor(j, w[k])) +
                            (k + 5 == L ? "x2" : "");
            }
            const int total = 2 * s + (L == 7 ? 50 : 0);
            if (total > mejor) {
                mejor = total;
                j.Busqueda.MejorFichas = w;
                j.Busqueda.PalabrasJugada = {w};
                j.Busqueda.NumPalabrasJugada = 1;
                j.Form1.List3 = {w, "(" + notacion + ")x2=" + std::to_string(2 * s)};
                if (L == 7) j.Form1.List3.push_back("Todas las fichas: +50");
                j.Busqueda.PuntosMejor = static_cast<std::int16_t>(total);
            }
        }
        if (i % 1000 == 0) j.Form1.AnchoProgreso = kAnchoProgreso * i / j.Lista.NumPalabras();
    }
    j.Form1.AnchoProgreso = 0;
    return static_cast<std::int16_t>(mejor);
}

}  // namespace tablerix
