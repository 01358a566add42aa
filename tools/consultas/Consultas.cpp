// Times of the word-list window's queries on the shipped word list:
//   tablerix-consultas [WORDLIST] [REPEATS]
// Each typical query runs REPEATS times (5 by default); one line per query
// gives the words found, the median and worst time in ms, and the median
// processor time, which a busy machine does not inflate.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Cronometro.h"
#include "game/Arranque.h"
#include "game/Diccionario.h"
#include "game/VentanaGuionizada.h"
#include "wordlist/Texto.h"

using namespace tablerix;
using namespace tablerix::cronometro;

namespace {

struct Caso {
    ModoConsulta Modo;
    const char* Texto;  // UTF-8, as typed
    bool Todas = false;
};

const Caso kCasos[] = {
    {ModoConsulta::Buscar, "casa"},
    {ModoConsulta::Buscar, "ñandú"},
    {ModoConsulta::Buscar, "AAAAB"},  // missing, placed near the start
    {ModoConsulta::Buscar, "ZZZZZ"},  // missing, placed at the end: the whole list scanned
    {ModoConsulta::ConFichas, "AEIRSTN"},
    {ModoConsulta::ConFichas, "AEIRSTN", true},
    {ModoConsulta::ConFichas, "AEIRST?"},
    {ModoConsulta::ConFichas, "AEIRS??"},
    {ModoConsulta::ConFichas, "QXZÑJKV"},
    {ModoConsulta::ConFichas, "ESTACIONAR"},
    {ModoConsulta::ConFichas, "???????"},
    {ModoConsulta::ConFichas, "ACEIMNORST??"},
    {ModoConsulta::Patron, "CA*"},
    {ModoConsulta::Patron, "*CION"},
    {ModoConsulta::Patron, "?A?A?A"},
    {ModoConsulta::Patron, "*A*E*I*O*"},
    {ModoConsulta::Patron, "A*"},
    {ModoConsulta::Patron, "*S"},
    {ModoConsulta::Patron, "???????????????"},
    {ModoConsulta::Patron, "*"},
};

}  // namespace

int main(int argc, char* argv[]) {
    const std::string ruta = argc > 1 ? argv[1] : TABLERIX_DATA_DIR "/Tablerix.pal";
    const int veces = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    VentanaGuionizada ventana;
    Juego j(ventana);
    ConstruirValores(j);
    if (!j.Lista.Cargar(ruta)) {
        std::fprintf(stderr, "cannot read %s\n", ruta.c_str());
        return 1;
    }
    std::printf("%s: %d entries\n", ruta.c_str(), j.Lista.NumPalabras());
    const char* modos[] = {"lookup", "anagrams", "pattern"};
    double peor = 0;
    for (const Caso& c : kCasos) {
        std::vector<double> ms, cpu;
        RespuestaConsulta r;
        for (int v = 0; v < veces; ++v) {
            const auto inicio = Reloj::now();
            const double procesador = MsProcesador();
            r = Consultar(j, c.Modo, Txt(c.Texto), c.Todas);
            cpu.push_back(MsProcesador() - procesador);
            ms.push_back(Ms(inicio));
        }
        std::sort(ms.begin(), ms.end());
        std::sort(cpu.begin(), cpu.end());
        peor = std::max(peor, ms.back());
        const std::string que = std::string(modos[static_cast<int>(c.Modo)]) + " " + c.Texto +
                                (c.Todas ? " (every tile)" : "");
        const std::string halladas = c.Modo == ModoConsulta::Buscar
                                         ? (r.Existe ? "in the list" : "not in the list")
                                         : std::to_string(r.Total) + " words";
        std::printf("%-30s %-16s median %6.2f ms, worst %6.2f ms, processor %6.2f ms\n",
                    que.c_str(), halladas.c_str(), ms[ms.size() / 2], ms.back(),
                    cpu[cpu.size() / 2]);
    }
    std::printf("worst of all: %.2f ms\n", peor);
    return 0;
}
