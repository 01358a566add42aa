// The game report's time on self-played games over the shipped word list:
//   tablerix-resumen [GAMES] [LEVEL]
// Each game is played by self-play (both sides at LEVEL, default 3), then its
// report is worked out once and timed, wall clock and this thread's processor.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <vector>

#include "Autojuego.h"
#include "computer/AnalisisPartida.h"
#include "game/Arranque.h"

using namespace tablerix;

namespace {

using Reloj = std::chrono::steady_clock;

double MsProcesador() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    const int partidas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const int nivel = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, 7) : 3;

    guion::VentanaConReloj ventana;
    Juego j(ventana);
    DisenoInicial(j.Form1);
    LeerPremios(j);
    ConstruirValores(j);
    const std::string ruta = std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal";
    if (!j.Lista.Cargar(ruta)) {
        std::fprintf(stderr, "cannot load %s\n", ruta.c_str());
        return 1;
    }
    j.Azar.Sembrar(20261207);
    std::vector<double> pared, procesador;
    for (int n = 1; n <= partidas; ++n) {
        std::ostringstream descarte;
        guion::Autojugar(j, ventana, 1, {nivel, nivel}, descarte);
        const auto inicio = Reloj::now();
        const double cpu = MsProcesador();
        const ResumenPartida r = AnalizarPartida(j);
        procesador.push_back(MsProcesador() - cpu);
        pared.push_back(std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count());
        std::printf("game %d: %zu turns, report %.1f ms (processor %.1f ms)\n", n, r.Filas.size(),
                    pared.back(), procesador.back());
    }
    std::sort(pared.begin(), pared.end());
    std::sort(procesador.begin(), procesador.end());
    std::printf(
        "report of a whole game: median %.1f ms, worst %.1f ms (processor median %.1f ms, "
        "worst %.1f ms)\n",
        pared[pared.size() / 2], pared.back(), procesador[procesador.size() / 2],
        procesador.back());
    return 0;
}
