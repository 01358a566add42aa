// The start-up path without the window, from nothing to a dealt game:
//   tablerix-arranque [RUNS] [SPLASH_MS]
// Each run creates a game on the shipped word list and starts it as the
// program does. The about window is kept open SPLASH_MS milliseconds (a
// player's look at it; 0 closes it at once), so the second figure is what a
// player waits after closing it.
#include "game/Arranque.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "game/VentanaGuionizada.h"

using namespace tablerix;

namespace {

using Reloj = std::chrono::steady_clock;

double Ms(Reloj::time_point desde, Reloj::time_point hasta) {
    return std::chrono::duration<double, std::milli>(hasta - desde).count();
}

class VentanaConPresentacion : public VentanaGuionizada {
  public:
    std::chrono::milliseconds Presentacion{0};
    Reloj::time_point Cerrada;
    void MostrarAcercaDe() override {
        std::this_thread::sleep_for(Presentacion);
        VentanaGuionizada::MostrarAcercaDe();
        Cerrada = Reloj::now();
    }
};

}  // namespace

int main(int argc, char** argv) {
    const int ejecuciones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int presentacion = argc > 2 ? std::max(0, std::atoi(argv[2])) : 0;
    // An empty user folder: the shipped list is the one read.
    const auto vacia = std::filesystem::temp_directory_path() / "tablerix-arranque-vacia";
    std::filesystem::create_directories(vacia);

    std::vector<double> total, tras;
    for (int k = 0; k < ejecuciones; ++k) {
        const auto inicio = Reloj::now();
        VentanaConPresentacion ventana;
        ventana.Presentacion = std::chrono::milliseconds(presentacion);
        Juego j(ventana);
        j.Carpeta = vacia.string();
        j.CarpetaDatos = TABLERIX_DATA_DIR;
        j.Azar.Sembrar(static_cast<std::uint64_t>(k) + 1);
        if (!Arrancar(j, false)) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        const auto fin = Reloj::now();
        total.push_back(Ms(inicio, fin));
        tras.push_back(Ms(ventana.Cerrada, fin));
        std::printf("run %d: %.0f ms to a dealt game, %.1f ms after the about window, %d entries\n",
                    k + 1, total.back(), tras.back(), j.Lista.NumPalabras());
    }
    std::sort(total.begin(), total.end());
    std::sort(tras.begin(), tras.end());
    std::printf(
        "start-up, about window open %d ms: median %.0f ms to a dealt game, "
        "median %.1f ms (worst %.1f ms) after the about window closed\n",
        presentacion, total[total.size() / 2], tras[tras.size() / 2], tras.back());
    return 0;
}
