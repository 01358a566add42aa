// The game report's time on self-played games over the shipped word list:
//   tablerix-resumen [GAMES] [LEVEL]
// Each game is played by self-play (both sides at LEVEL, default 3), then its
// report is worked out once and timed, wall clock and this thread's processor.
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "Autojuego.h"
#include "Cronometro.h"
#include "computer/AnalisisPartida.h"
#include "game/Arranque.h"

using namespace tablerix;
using namespace tablerix::cronometro;

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
    // The ended games' statistics go to a folder of their own, removed at the end.
    std::string carpeta =
        (std::filesystem::temp_directory_path() / "tablerix-resumen-XXXXXX").string();
    if (!mkdtemp(carpeta.data())) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    j.Carpeta = carpeta;
    j.Azar.Sembrar(20261207);
    std::vector<double> pared, procesador;
    for (int n = 1; n <= partidas; ++n) {
        std::ostringstream descarte;
        guion::Autojugar(j, ventana, 1, {nivel, nivel}, descarte);
        const auto inicio = Reloj::now();
        const double cpu = MsProcesador();
        const ResumenPartida r = AnalizarPartida(j);
        procesador.push_back(MsProcesador() - cpu);
        pared.push_back(Ms(inicio));
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
    std::filesystem::remove_all(carpeta);
    return 0;
}
