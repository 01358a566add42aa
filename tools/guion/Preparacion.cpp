#include "Preparacion.h"

#include <unistd.h>

#include <cerrno>

#include "game/Partida.h"
#include "wordlist/Archivos.h"

namespace tablerix::guion {
namespace {

char Ficha(char c) {
    return c == '_' ? kSinFicha : c;
}

int SinEspacio(int) {
    errno = ENOSPC;
    return -1;
}

}  // namespace

void PonerAtril(Juego& j, int p, const std::string& fichas) {
    for (int k = 1; k <= kRanuras; ++k) {
        char f = k <= static_cast<int>(fichas.size()) ? Ficha(fichas[k - 1]) : kSinFicha;
        j.Posicion.Atriles[p][k] = f;
    }
    MostrarAtril(j, p, {.Restablecer = true});
}

void PonerBolsa(Juego& j, const std::string& fichas) {
    int cuantas = 0;
    for (int s = 1; s <= kFichasBolsa; ++s) {
        char f = s <= static_cast<int>(fichas.size()) ? Ficha(fichas[s - 1]) : kSinFicha;
        j.Posicion.Bolsa[s] = f;
        if (f != kSinFicha) ++cuantas;
    }
    j.Posicion.FichasEnBolsa = static_cast<std::int16_t>(cuantas);
    j.Form1.Label7 = std::to_string(cuantas);
}

bool FijarPalabra(Juego& j, int inicio, const std::string& palabra, char direccion,
                  int& conflicto) {
    const int paso = PasoDireccion(direccion);
    for (size_t k = 0; k < palabra.size(); ++k) {
        int q = inicio + static_cast<int>(k) * paso;
        const char actual = j.Form1.Label1[q].Letra;
        if (actual != kCasillaVacia &&
            (actual != palabra[k] || j.Posicion.Tablero[q] != palabra[k])) {
            conflicto = q;
            return false;
        }
    }
    for (size_t k = 0; k < palabra.size(); ++k) {
        int q = inicio + static_cast<int>(k) * paso;
        if (j.Posicion.Tablero[q] == palabra[k]) continue;
        PonerCasillaFija(j, q, palabra[k]);
    }
    j.Posicion.PrimeraJugada = false;
    return true;
}

void PonerPuntos(Juego& j, int p, int puntos) {
    j.Form1.Label4[p - 1] = std::to_string(puntos);
}

void SimularDiscoLleno(bool lleno) {
    SincronizarDescriptor = lleno ? SinEspacio : ::fsync;
}

}  // namespace tablerix::guion
