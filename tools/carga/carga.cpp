// Measures loading a word-list file: tablerix-carga [FILE] [RUNS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "wordlist/ListaPalabras.h"

int main(int argc, char** argv) {
    std::string ruta = argc > 1 ? argv[1] : "data/Tablerix.pal";
    int vueltas = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    std::vector<double> ms;
    int entradas = 0;
    for (int i = 0; i < vueltas; ++i) {
        tablerix::ListaPalabras lista;
        auto inicio = std::chrono::steady_clock::now();
        if (!lista.Cargar(ruta)) {
            std::fprintf(stderr, "cannot load %s\n", ruta.c_str());
            return 1;
        }
        auto fin = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(fin - inicio).count());
        entradas = lista.NumPalabras();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("word-list load: %d entries, median %.1f ms, best %.1f ms, worst %.1f ms (%d runs)\n",
                entradas, ms[ms.size() / 2], ms.front(), ms.back(), vueltas);
}
