#include "BusquedaReferencia.h"

#include <string>

#include "game/Comprobacion.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

const std::string kLineaVacia(kLado, '?');

// Only tile letters are laid or stood for by a blank: an entry holding '*',
// '.', '-' or a small letter would otherwise pass the rack check.
bool EsLetraDeFicha(char c) {
    static const std::string letras = std::string("ABCDEFGHIJKLMN") + '\xD1' + "OPQRSTUVXYZ";
    return letras.find(c) != std::string::npos;
}

std::string Atril(const Juego& j) {
    std::string r;
    for (int k = 1; k <= kRanuras; ++k)
        if (j.Atriles[j.Turno][k] != kSinFicha) r += j.Atriles[j.Turno][k];
    return r;
}

int Sortear(Juego& j) { return static_cast<int>(j.Azar.Siguiente() * j.PasoBusqueda) + 1; }

void ProbarVentana(Juego& j, const std::string& v) {
    const std::string r = Atril(j);
    const int r0 = Sortear(j);
    for (int i = r0; i <= j.Lista.NumPalabras(); i += j.PasoBusqueda) {
        const std::string& w = j.Lista.Palabras()[i];
        if (w.size() != v.size()) continue;
        bool encaja = true;
        for (std::size_t k = 0; k < v.size(); ++k)
            if (v[k] != '?' && v[k] != w[k]) encaja = false;
        if (!encaja) continue;

        std::string t;
        for (std::size_t k = 0; k < v.size(); ++k) t += v[k] == '?' ? w[k] : '-';

        std::string resto = r;
        bool cabe = true;
        for (char f : t) {
            if (f == '-') continue;
            std::size_t p = EsLetraDeFicha(f) ? resto.find(f) : std::string::npos;
            if (p == std::string::npos && EsLetraDeFicha(f)) p = resto.find('*');
            if (p == std::string::npos) cabe = false;
            else resto[p] = '.';
        }
        if (!cabe) continue;

        const int paso = j.DireccionActual == 'H' ? 1 : 15;
        j.FichasColocadas = 0;
        for (std::size_t k = 0; k < t.size(); ++k) {
            if (t[k] == '-') continue;
            ++j.FichasColocadas;
            Casilla& c = j.Form1.Label1[j.InicioVentana + k * paso];
            c.Letra = t[k];
            c.Marca = '1';
        }
        ComprobarJugada(j);
        if (j.JugadaValida && j.PuntosJugada > j.MejorPuntos) {
            j.MejorInicio = j.InicioVentana;
            j.MejorPuntos = j.PuntosJugada;
            j.MejorFichas = t;
            j.MejorDireccion = j.DireccionActual;
            j.Form1.List3.clear();
            j.NumPalabrasJugada = 0;
            j.PalabrasJugada.clear();
            for (const std::string& linea : j.Form1.List4) {
                j.Form1.List3.push_back(linea);
                if (linea.find('+') == std::string::npos && linea.find('=') == std::string::npos) {
                    j.PalabrasJugada.emplace_back(SinBlancos(linea));
                    ++j.NumPalabrasJugada;
                }
            }
            j.PuntosMejor = j.SumaPalabras;
        }
        for (std::size_t k = 0; k < t.size(); ++k) {
            if (t[k] == '-') continue;
            Casilla& c = j.Form1.Label1[j.InicioVentana + k * paso];
            c.Letra = ' ';
            c.Marca = '0';
        }
        j.Ventana.ProcesarEventos();
    }
}

void ProbarLinea(Juego& j, const std::string& p) {
    for (int s = 1; s <= 15; ++s) {
        j.InicioVentana = static_cast<std::int16_t>(j.DireccionActual == 'H' ? j.LineaActual + (s - 1)
                                                                            : (s - 1) * 15 + j.LineaActual);
        for (int n = 1; n <= 16 - s; ++n) {
            const std::string v = p.substr(s - 1, n);
            const bool nadaDetras = s + n > 15 || p[s + n - 1] == '?';
            const bool nadaDelante = s == 1 || p[s - 2] == '?';
            int huecos = 0;
            for (char c : v) huecos += c == '?';
            if (nadaDetras && nadaDelante && v != std::string(n, '?') && huecos >= 1 && huecos <= 7)
                ProbarVentana(j, v);
        }
    }
}

}  // namespace

void BuscarMejorJugadaReferencia(Juego& j) {
    j.NumPalabrasJugada = 0;
    j.PalabrasJugada.clear();
    j.OrdenadorNoJuega = false;
    j.MejorPuntos = 0;
    j.MejorFichas.clear();
    j.MejorDireccion = '\0';
    j.MejorInicio = 0;
    for (int r = 0; r <= 14; ++r) {
        j.LineaActual = static_cast<std::int16_t>(15 * r);
        j.DireccionActual = 'H';
        std::string p;
        for (int k = 0; k < 15; ++k) p += j.Tablero[15 * r + k] == ' ' ? '?' : j.Tablero[15 * r + k];
        if (p != kLineaVacia) ProbarLinea(j, p);
        j.Form1.AnchoProgreso = kAnchoProgreso * r / 28;
    }
    for (int c = 0; c <= 14; ++c) {
        j.LineaActual = static_cast<std::int16_t>(c);
        j.DireccionActual = 'V';
        std::string p;
        for (int k = 0; k < 15; ++k) p += j.Tablero[c + 15 * k] == ' ' ? '?' : j.Tablero[c + 15 * k];
        if (p != kLineaVacia) ProbarLinea(j, p);
        // W / 2 + W * c / 28, rounded down as one fraction.
        j.Form1.AnchoProgreso = (kAnchoProgreso * 14 + kAnchoProgreso * c) / 28;
    }
}

std::int16_t BuscarMejorPrimeraJugadaReferencia(Juego& j) {
    j.NumPalabrasJugada = 0;
    j.PalabrasJugada.clear();
    int mejor = 0;
    j.MejorFichas.clear();
    std::string r;
    int b = 0;
    for (int k = 1; k <= 7; ++k) {
        if (j.Atriles[j.Turno][k] == '*') ++b;
        else if (j.Atriles[j.Turno][k] != kSinFicha) r += j.Atriles[j.Turno][k];
    }
    const int r0 = Sortear(j);
    for (int i = r0; i <= j.Lista.NumPalabras(); i += j.PasoBusqueda) {
        const std::string& w = j.Lista.Palabras()[i];
        const std::size_t L = w.size();
        if (L >= 8) continue;
        std::string resto = r;
        int blancos = b;
        bool cabe = true;
        for (char c : w) {
            std::size_t p = EsLetraDeFicha(c) ? resto.find(c) : std::string::npos;
            if (p != std::string::npos) resto[p] = '.';
            else if (blancos > 0 && EsLetraDeFicha(c)) --blancos;
            else cabe = false;
        }
        if (cabe) {
            int s = 0;
            std::string notacion;
            std::vector<int> valores;
            for (char c : w) {
                int v = 0;
                for (int e = 1; e <= 26; ++e)
                    if (j.Valores[e][0] == c) v = j.Valores[e][1] - '0';
                valores.push_back(v);
                s += v;
                notacion += std::to_string(v) + "+";
            }
            if (L >= 5) s += valores[L - 5];
            if (!notacion.empty()) notacion.pop_back();
            if (L >= 5) notacion.insert(2 * (L - 4) - 1, "x2");
            notacion = "(" + notacion + ")x2=" + std::to_string(2 * s);
            const int total = 2 * s + (L == 7 ? 50 : 0);
            if (total > mejor) {
                mejor = total;
                j.MejorFichas = w;
                j.PalabrasJugada = {w};
                j.NumPalabrasJugada = 1;
                j.Form1.List3 = {w, notacion};
                if (L == 7) j.Form1.List3.push_back("Todas las fichas: +50");
                j.PuntosMejor = static_cast<std::int16_t>(total);
            }
        }
        if (i % 1000 == 0) j.Form1.AnchoProgreso = kAnchoProgreso * i / j.Lista.NumPalabras();
    }
    j.Form1.AnchoProgreso = 0;
    return static_cast<std::int16_t>(mejor);
}

}  // namespace tablerix
