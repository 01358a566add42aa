#include <cstdio>

#include "Impresion.h"
#include "game/Nivel.h"
#include "wordlist/Texto.h"

namespace tablerix::guion {

Lineas ImprimirEstadisticas(const Juego& j) {
    const auto totales = Totales(j.Estadisticas);
    std::int64_t partidas = 0;
    Lineas lineas{""};
    for (int n = 0; n < kNumNiveles; ++n) {
        const EstadisticasNivel& e = totales[n];
        if (e.Partidas == 0) continue;
        partidas += e.Partidas;
        std::string l =
            "level " + std::to_string(n) + " " + kNiveles[n].Titulo + ": games " +
            std::to_string(e.Partidas) + " won " + std::to_string(e.Ganadas) + " lost " +
            std::to_string(e.Perdidas) + " tied " + std::to_string(e.Empatadas) + " | best game " +
            std::to_string(e.MejorPartida) + " " + e.FechaMejorPartida + " | best move ";
        if (e.Jugadas == 0) {
            l += "- | moves 0 average -";
        } else {
            char media[32];
            std::snprintf(media, sizeof media, "%.1f", MediaPorJugada(e));
            l += AUtf8(e.MejorPalabra) + " " + std::to_string(e.PuntosMejorJugada) + " " +
                 e.FechaMejorJugada + " | moves " + std::to_string(e.Jugadas) + " average " + media;
        }
        lineas.push_back(l);
    }
    lineas[0] = "stats " + std::to_string(partidas);
    return lineas;
}

}  // namespace tablerix::guion
