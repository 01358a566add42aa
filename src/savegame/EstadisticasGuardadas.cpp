#include "savegame/EstadisticasGuardadas.h"

#include <cstdio>

#include "game/Mensajes.h"
#include "game/Nivel.h"
#include "savegame/ArchivoEstadisticas.h"
#include "wordlist/Archivos.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

constexpr char kNombre[] = "Tablerix.est";
// A real file is a line per level, well under a kilobyte.
constexpr size_t kLimite = 64 * 1024;

// The first free name of Tablerix.est.danado, .danado2, ...; empty when the
// file could not be renamed.
std::string Apartar(const Juego& j) {
    const std::string ruta = RutaEstadisticas(j);
    for (int n = 1; n < 1000; ++n) {
        const std::string nombre =
            std::string(kNombre) + ".danado" + (n > 1 ? std::to_string(n) : "");
        const std::string destino = j.Carpeta + "/" + nombre;
        if (ExisteArchivo(destino)) continue;
        return std::rename(ruta.c_str(), destino.c_str()) == 0 ? nombre : "";
    }
    return "";
}

}  // namespace

std::string RutaEstadisticas(const Juego& j) {
    return j.Carpeta + "/" + kNombre;
}

bool LeerEstadisticas(Juego& j) {
    j.Estadisticas = {};
    const std::string ruta = RutaEstadisticas(j);
    if (!ExisteArchivo(ruta)) return true;
    const std::optional<std::string> bytes = LeerArchivo(ruta, kLimite);
    if (bytes)
        if (std::optional<TablaEstadisticas> t = InterpretarEstadisticas(*bytes)) {
            j.Estadisticas = *t;
            return true;
        }
    const std::string aparte = Apartar(j);
    if (aparte.empty()) {
        Advertir(j, Txt("No se han podido leer las estadísticas (") + kNombre +
                        Txt(") ni apartarlas: no se guardarán hasta que se arregle el archivo."));
        return false;
    }
    Advertir(j, Txt("El archivo de estadísticas (") + kNombre +
                    Txt(") estaba dañado. Se ha guardado aparte como ") + aparte +
                    Txt(" y las estadísticas empiezan de nuevo."));
    return true;
}

void ContarPartidaTerminada(Juego& j) {
    const int nivel = NivelDePaso(j.Posicion.PasoBusqueda);
    if (nivel < 0 || !LeerEstadisticas(j)) return;
    const EstadisticasNivel partida =
        PartidaTerminada(LeerPuntos(j.Form1.Label4[0]), LeerPuntos(j.Form1.Label4[1]),
                         j.Form1.lstPartida, FechaDeHoy());
    ContarPartida(j.Estadisticas, j.IdentidadPartida, nivel, partida);
    if (!EscribirArchivoAtomico(RutaEstadisticas(j), FormatearEstadisticas(j.Estadisticas)))
        Advertir(j, Txt("No se han podido guardar las estadísticas."));
}

void BorrarEstadisticas(Juego& j) {
    if (!Preguntar(j, Txt("¿Quieres borrar las estadísticas?"))) return;
    j.Estadisticas = {};
    const std::string ruta = RutaEstadisticas(j);
    if (ExisteArchivo(ruta) && !BorrarArchivo(ruta))
        Advertir(j, Txt("No se han podido borrar las estadísticas."));
}

}  // namespace tablerix
