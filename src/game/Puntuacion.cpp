#include "game/Puntuacion.h"

#include <charconv>

#include "game/Premios.h"

namespace tablerix {
namespace {

// Appends a number in decimal without building a temporary string: the scorer
// runs for every trial placement of the computer's search.
void AgregarNumero(std::string& texto, int numero) {
    char cifras[12];
    auto fin = std::to_chars(cifras, cifras + sizeof cifras, numero).ptr;
    texto.append(cifras, fin);
}

// A square belongs to a word while it carries the occupied marks.
bool Ocupada(const Casilla& c) {
    return c.Marca == kMarcaOcupada || c.Marca == kMarcaBlanco;
}

}  // namespace

int ValorLetra(const Juego& j, char letra) {
    int valor = 0;
    for (int i = 1; i <= kLetras; ++i) {
        const std::string& v = j.Valores[i];
        if (v.size() >= 2 && v[0] == letra) valor += v[1] - '0';
    }
    return valor;
}

void PuntuarLetra(Juego& j, char letra, int casilla) {
    int puntos = ValorLetra(j, letra);
    AgregarNumero(j.Puntuacion.Notacion, puntos);
    const Casilla& c = j.Form1.Label1[casilla];
    const TipoPremio* premio = c.ColorLetra != kNegro ? PremioDeColor(c.Fondo) : nullptr;
    if (premio && premio->DePalabra) {
        j.Puntuacion.MultiplicadorPalabra =
            static_cast<std::int16_t>(j.Puntuacion.MultiplicadorPalabra * premio->Factor);
    } else if (premio) {
        puntos *= premio->Factor;
        j.Puntuacion.Notacion += '*';
        AgregarNumero(j.Puntuacion.Notacion, premio->Factor);
    }
    j.Puntuacion.PuntosLetra = static_cast<std::int16_t>(puntos);
    j.Puntuacion.Notacion += '+';
}

void PuntuarPalabra(Juego& j, int inicio, char direccion) {
    const auto& casillas = j.Form1.Label1;
    j.Puntuacion.Notacion.clear();
    j.Puntuacion.MultiplicadorPalabra = 1;
    int puntos = 0;

    j.Puntuacion.Palabra.assign(1, casillas[inicio].Letra);
    PuntuarLetra(j, casillas[inicio].Letra, inicio);
    puntos += j.Puntuacion.PuntosLetra;

    const bool horizontal = direccion == kHorizontal;
    const int paso = horizontal ? 1 : kLado;
    const int linea = horizontal ? FilaDe(inicio) : ColumnaDe(inicio);
    for (int signo : {-1, 1}) {
        for (int p = inicio + signo * paso;; p += signo * paso) {
            if (p < 0 || p >= kCasillas) break;
            // Keeps a horizontal word from running into the next row.
            if ((horizontal ? FilaDe(p) : ColumnaDe(p)) != linea) break;
            if (!Ocupada(casillas[p])) break;
            char letra = casillas[p].Letra;
            if (signo < 0)
                j.Puntuacion.Palabra.insert(j.Puntuacion.Palabra.begin(), letra);
            else
                j.Puntuacion.Palabra += letra;
            PuntuarLetra(j, letra, p);
            puntos += j.Puntuacion.PuntosLetra;
        }
    }

    j.Puntuacion.Notacion.pop_back();  // the '+' after the last letter
    if (j.Puntuacion.MultiplicadorPalabra != 1) {
        j.Puntuacion.Notacion.insert(j.Puntuacion.Notacion.begin(), '(');
        j.Puntuacion.Notacion += ")x";
        AgregarNumero(j.Puntuacion.Notacion, j.Puntuacion.MultiplicadorPalabra);
    }
    j.Puntuacion.PuntosPalabra =
        static_cast<std::int16_t>(puntos * j.Puntuacion.MultiplicadorPalabra);
    j.Puntuacion.Notacion += '=';
    AgregarNumero(j.Puntuacion.Notacion, j.Puntuacion.PuntosPalabra);
}

}  // namespace tablerix
