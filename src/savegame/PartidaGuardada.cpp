#include "savegame/PartidaGuardada.h"

#include "game/Colocacion.h"
#include "game/Mensajes.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/EstadoPartida.h"
#include "savegame/HistoriaGuardada.h"
#include "savegame/LecturaPartida.h"
#include "wordlist/Archivos.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// A real saved game is a few kilobytes (a long log stays far below 100 KB);
// anything larger than this is not one and is refused without being read.
constexpr size_t kLimitePartidaGuardada = 1024 * 1024;

void NoHayPartida(Juego& j) {
    Advertir(j, "No hay ninguna partida guardada.");
}

void PartidaIlegible(Juego& j) {
    Advertir(j, Txt("La partida guardada está dañada o no se puede leer."));
}

}  // namespace

std::string RutaPartidaGuardada(const Juego& j) {
    return j.Carpeta + "/Tablerix.ini";
}

bool GuardarPartida(Juego& j) {
    if (j.Posicion.PrimeraJugada) {
        Advertir(j, Txt("Aún no has empezado."));
        return false;
    }
    if (!j.Posicion.PartidaEnCurso) {
        Advertir(j, "No puedes guardar una partida acabada.");
        return false;
    }
    Deshacer(j);
    const std::string partida = FormatearPartida(CopiarPartida(j));
    // The history goes first: a game written without it is told by its tag.
    GuardarHistoria(j, partida);
    // Written beside the old file and renamed over it: a failure keeps the old game.
    if (EscribirArchivoAtomico(RutaPartidaGuardada(j), partida)) return true;
    Advertir(j, "No se ha podido guardar la partida.");
    return false;
}

void CargarPartida(Juego& j) {
    const std::string ruta = RutaPartidaGuardada(j);
    if (!ExisteArchivo(ruta)) return NoHayPartida(j);
    if (!SePuedeLeer(ruta)) return PartidaIlegible(j);
    if (!Preguntar(j, "Quieres cargar la partida guardada?")) return;
    // Read and checked whole before anything changes: a damaged file leaves the game as it was.
    std::optional<std::string> bytes = LeerArchivo(ruta, kLimitePartidaGuardada);
    std::optional<DatosPartida> datos = bytes ? InterpretarPartida(*bytes) : std::nullopt;
    if (!datos) return PartidaIlegible(j);
    RestaurarPartida(j, *datos);
    CargarHistoria(j, *bytes);
}

void BorrarPartidaGuardada(Juego& j) {
    if (!Preguntar(j, Txt("¿Quieres borrar la partida guardada?"))) return;
    BorrarArchivo(RutaPartidaGuardada(j));  // no file, no permission: nothing to say
    BorrarArchivo(RutaHistoriaGuardada(j));
}

}  // namespace tablerix
