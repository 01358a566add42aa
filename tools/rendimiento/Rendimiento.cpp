// Speed and memory of the computer's searches on the shipped word list:
//   tablerix-rendimiento [WORDLIST] [POSITIONS] [REFERENCE_POSITIONS]
// Mid-game positions come from seeded self-play. Window repaints are not
// timed (the window here does nothing). The last line is the speed-up over
// the plain reference loops on the first positions.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "BusquedaReferencia.h"
#include "Cronometro.h"
#include "PosicionesAleatorias.h"
#include "computer/Busqueda.h"
#include "game/Arranque.h"
#include "game/VentanaGuionizada.h"

using namespace tablerix;
using namespace tablerix::cronometro;

namespace {

long PicoMemoriaKb() {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmHWM:", 0) == 0) return std::atol(linea.c_str() + 6);
    return -1;
}

struct Cifras {
    double Mediana, P90, Peor, Media;
};

Cifras Resumir(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double suma = 0;
    for (double m : ms) suma += m;
    return {ms[ms.size() / 2], ms[ms.size() * 9 / 10], ms.back(), suma / ms.size()};
}

void Imprimir(const char* que, const Cifras& c, std::size_t n) {
    std::printf("%s: median %.2f ms, p90 %.2f ms, worst %.2f ms, mean %.2f ms (%zu searches)\n",
                que, c.Mediana, c.P90, c.Peor, c.Media, n);
}

struct PosicionMedida {
    std::array<char, kCasillas> Tablero;
    char Atril[kRanuras + 1];
    std::uint64_t Semilla;
};

void Poner(Juego& j, const PosicionMedida& p) {
    VaciarTablero(j);
    for (int q = 0; q < kCasillas; ++q)
        if (p.Tablero[q] != kCasillaVacia) FijarFicha(j, q, p.Tablero[q]);
    MarcarOcupadas(j);
    j.Jugada.Turno = kTurnoOrdenador;
    std::copy(p.Atril, p.Atril + kRanuras + 1, j.Posicion.Atriles[kTurnoOrdenador]);
    j.Posicion.PrimeraJugada = false;
    j.Jugada.Silencioso = true;
    j.Posicion.PasoBusqueda = 1;
    j.Azar.Sembrar(p.Semilla);
}

std::vector<double> procesador;  // every Medir's processor time, in order

template <class F>
double Medir(F&& f) {
    const double cpu = MsProcesador();
    auto inicio = Reloj::now();
    f();
    const double ms = Ms(inicio);
    procesador.push_back(MsProcesador() - cpu);
    return ms;
}

// Imprimir, with the processor time of the last n measures.
void ImprimirConProcesador(const char* que, const std::vector<double>& ms) {
    Imprimir(que, Resumir(ms), ms.size());
    const Cifras c = Resumir(std::vector<double>(procesador.end() - ms.size(), procesador.end()));
    std::printf("  processor time: median %.2f ms, p90 %.2f ms, worst %.2f ms, mean %.2f ms\n",
                c.Mediana, c.P90, c.Peor, c.Media);
}

// Loads and indexes the list, timed, and prints the figures; false when it cannot be read.
bool Cargar(Juego& j, const std::string& ruta) {
    bool cargada = false;
    const double carga = Medir([&] { cargada = static_cast<bool>(j.Lista.Cargar(ruta)); });
    if (!cargada) {
        std::fprintf(stderr, "cannot load %s\n", ruta.c_str());
        return false;
    }
    const double indice = Medir([&] { j.Indice.Construir(j.Lista.Palabras()); });
    const long picoCargada = PicoMemoriaKb();
    std::printf("word list: %s, %d entries\n", ruta.c_str(), j.Lista.NumPalabras());
    std::printf("load with index: %.0f ms (index alone %.0f ms, %.1f MB)\n", carga, indice,
                j.Indice.MemoriaUsada() / 1e6);
    std::printf("peak memory with the list loaded and indexed: %.1f MB (VmHWM)\n",
                picoCargada / 1024.0);
    return true;
}

// Self-play of 3 to 16 moves, then a fresh rack for the computer.
std::vector<PosicionMedida> GenerarPosiciones(Juego& j, std::mt19937_64& g, int n) {
    std::vector<PosicionMedida> posiciones;
    while (static_cast<int>(posiciones.size()) < n) {
        JugarPartidaAleatoria(j, g, 3 + static_cast<int>(g() % 14));
        if (j.Posicion.PrimeraJugada) continue;
        j.Jugada.Turno = kTurnoOrdenador;
        RepartirAtril(j, g);
        PosicionMedida p;
        p.Tablero = j.Posicion.Tablero;
        const char* atril = j.Posicion.Atriles[kTurnoOrdenador];
        std::copy(atril, atril + kRanuras + 1, p.Atril);
        p.Semilla = g();
        posiciones.push_back(p);
    }
    return posiciones;
}

void MedirJugadas(Juego& j, const std::vector<PosicionMedida>& posiciones) {
    std::vector<double> jugada;
    int conJugada = 0;
    for (const PosicionMedida& p : posiciones) {
        Poner(j, p);
        jugada.push_back(Medir([&] { BuscarMejorJugada(j); }));
        conJugada += j.Busqueda.MejorPuntos > 0;
    }
    ImprimirConProcesador("computer move, Deep Blue (stride 1)", jugada);
    std::printf("  positions with a move found: %d of %zu\n", conJugada, posiciones.size());

    // The hardest racks: two blanks (the tile set has four).
    std::vector<double> dosBlancos;
    for (PosicionMedida p : posiciones) {
        p.Atril[1] = p.Atril[2] = kBlanco;
        Poner(j, p);
        dosBlancos.push_back(Medir([&] { BuscarMejorJugada(j); }));
    }
    ImprimirConProcesador("computer move, stride 1, racks with two blanks", dosBlancos);
}

void MedirAperturas(Juego& j, std::mt19937_64& g, int n) {
    std::vector<double> apertura;
    for (int k = 0; k < n; ++k) {
        j.Jugada.Turno = kTurnoOrdenador;
        RepartirAtril(j, g, 7, static_cast<int>(g() % 3));
        j.Posicion.PasoBusqueda = 1;
        apertura.push_back(Medir([&] { BuscarMejorPrimeraJugada(j); }));
    }
    ImprimirConProcesador("opening search, stride 1", apertura);
}

// What the search leaves that the reference must match.
auto Registro(Juego& j) {
    const RegistroBusqueda& b = j.Busqueda;
    return std::make_tuple(b.MejorPuntos, b.MejorInicio, b.MejorFichas, b.MejorDireccion,
                           j.Form1.List3, j.Azar.Siguiente());
}

// The reference loops on the first n positions, and whether they agree; true when all do.
bool CompararConReferencia(Juego& j, const std::vector<PosicionMedida>& posiciones, int n) {
    std::vector<double> referencia, rapida;
    int iguales = 0;
    n = std::min<int>(n, static_cast<int>(posiciones.size()));
    for (int k = 0; k < n; ++k) {
        Poner(j, posiciones[k]);
        referencia.push_back(Medir([&] { BuscarMejorJugadaReferencia(j); }));
        const auto registro = Registro(j);
        Poner(j, posiciones[k]);
        rapida.push_back(Medir([&] { BuscarMejorJugada(j); }));
        iguales += registro == Registro(j);
    }
    const Cifras cr = Resumir(referencia), cf = Resumir(rapida);
    Imprimir("reference loops, stride 1", cr, referencia.size());
    std::printf("  same best move, word record and random sequence: %d of %d\n", iguales, n);
    std::printf("peak memory at the end: %.1f MB (VmHWM)\n", PicoMemoriaKb() / 1024.0);
    std::printf("speedup-vs-reference: %.0fx (median, stride 1, %d positions)\n",
                cr.Mediana / cf.Mediana, n);
    return iguales == n;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string ruta = argc > 1 ? argv[1] : std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal";
    const int numPosiciones = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    const int numReferencia = argc > 3 ? std::max(1, std::atoi(argv[3])) : 12;

    VentanaGuionizada ventana;
    Juego j(ventana);
    DisenoInicial(j.Form1);
    LeerPremios(j);
    ConstruirValores(j);
    if (!Cargar(j, ruta)) return 1;

    std::mt19937_64 g(20261206);
    const std::vector<PosicionMedida> posiciones = GenerarPosiciones(j, g, numPosiciones);
    MedirJugadas(j, posiciones);
    MedirAperturas(j, g, numPosiciones);
    return CompararConReferencia(j, posiciones, numReferencia) ? 0 : 1;
}
