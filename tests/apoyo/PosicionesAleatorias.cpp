#include "PosicionesAleatorias.h"

#include <string>

#include "computer/Busqueda.h"
#include "wordlist/Alfabeto.h"

namespace tablerix {
namespace {

// The hundred tiles of the set.
const std::string kTodasLasFichas = [] {
    std::string s;
    for (const DatosLetra& f : kFichas) s.append(f.EnBolsa, f.Letra);
    return s.append(kBlancosEnBolsa, kBlanco);
}();

void Fijar(Juego& j, int inicio, int paso, const std::string& fichas) {
    for (std::size_t k = 0; k < fichas.size(); ++k)
        if (fichas[k] != '-') FijarFicha(j, inicio + static_cast<int>(k) * paso, fichas[k]);
}

}  // namespace

void VaciarTablero(Juego& j) {
    j.Posicion.Tablero = TableroVacio();
    for (int q = 0; q < kCasillas; ++q)
        j.Form1.Label1[q] = {.Fondo = static_cast<Color>(std::stol(j.Premios[q]))};
}

void FijarFicha(Juego& j, int casilla, char letra) {
    j.Form1.Label1[casilla] = {letra, kNegro, kMarcaReposo, false, kColorFicha};
    j.Posicion.Tablero[casilla] = letra;
}

void MarcarOcupadas(Juego& j) {
    for (Casilla& c : j.Form1.Label1)
        if (c.Letra != kCasillaVacia) c.Marca = kMarcaOcupada;
}

void RepartirAtril(Juego& j, std::mt19937_64& g, int fichas, int blancosMaximo) {
    std::uniform_int_distribution<std::size_t> ficha(0, kTodasLasFichas.size() - 1);
    int blancos = 0;
    for (int k = 1; k <= kRanuras; ++k) {
        char f = kSinFicha;
        while (k <= fichas && (f == kSinFicha || (f == kBlanco && blancos >= blancosMaximo)))
            f = kTodasLasFichas[ficha(g)];
        blancos += f == kBlanco;
        j.Posicion.Atriles[j.Jugada.Turno][k] = f;
    }
}

void JugarPartidaAleatoria(Juego& j, std::mt19937_64& g, int jugadas) {
    VaciarTablero(j);
    j.Jugada.Turno = kTurnoOrdenador;
    j.Posicion.PasoBusqueda = 1;
    j.Jugada.Silencioso = true;
    j.Posicion.PrimeraJugada = true;
    for (int intento = 0; intento < 20 && j.Posicion.PrimeraJugada; ++intento) {
        RepartirAtril(j, g);
        if (BuscarMejorPrimeraJugada(j) > 0) {
            Fijar(j, InicioPrimeraPalabra(static_cast<int>(j.Busqueda.MejorFichas.size())) + 1, 1,
                  j.Busqueda.MejorFichas);
            j.Posicion.PrimeraJugada = false;
        }
    }
    for (int m = 0; m < jugadas && !j.Posicion.PrimeraJugada; ++m) {
        RepartirAtril(j, g);
        MarcarOcupadas(j);
        BuscarMejorJugada(j);
        if (j.Busqueda.MejorPuntos > 0)
            Fijar(j, j.Busqueda.MejorInicio, PasoDireccion(j.Busqueda.MejorDireccion),
                  j.Busqueda.MejorFichas);
    }
    MarcarOcupadas(j);
}

}  // namespace tablerix
