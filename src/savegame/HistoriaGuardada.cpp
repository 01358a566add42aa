#include "savegame/HistoriaGuardada.h"

#include "game/Historia.h"
#include "savegame/ArchivoHistoria.h"
#include "wordlist/Archivos.h"

namespace tablerix {
namespace {

// A whole game's history is some tens of kilobytes.
constexpr std::size_t kLimiteHistoria = 8 * 1024 * 1024;

// The file's positions fit the loaded game: their logs are beginnings of its
// log, and the last one is its board.
bool Encaja(const Juego& j, const Historia& h) {
    for (const Parada& p : h.Paradas)
        if (p.LineasListado > j.Form1.lstPartida.size()) return false;
    return h.Paradas.back().Momento.Partida.Tablero == j.Posicion.Tablero;
}

}  // namespace

std::string RutaHistoriaGuardada(const Juego& j) {
    return j.Carpeta + "/Tablerix.his";
}

bool GuardarHistoria(const Juego& j, std::string_view partida) {
    return EscribirArchivoAtomico(RutaHistoriaGuardada(j),
                                  FormatearHistoria(HistoriaDe(j), SumaDeControl(partida)));
}

void CargarHistoria(Juego& j, std::string_view partida) {
    const std::optional<std::string> bytes = LeerArchivo(RutaHistoriaGuardada(j), kLimiteHistoria);
    std::optional<HistoriaLeida> leida = bytes ? InterpretarHistoria(*bytes) : std::nullopt;
    if (!leida || leida->SumaPartida != SumaDeControl(partida) || !Encaja(j, leida->Contenido)) {
        EmpezarHistoria(j);
        return;
    }
    const Posicion& ultima = leida->Contenido.Paradas.back().Momento;
    for (int i = 0; i < kCasillas; ++i)
        if (ultima.Blancos[i]) j.Form1.Label1[i].Blanco = true;
    // The last parada is the loaded game itself, as the load shows it.
    leida->Contenido.Paradas.pop_back();
    HistoriaDe(j) = std::move(leida->Contenido);
    ContinuarHistoria(j);
}

}  // namespace tablerix
