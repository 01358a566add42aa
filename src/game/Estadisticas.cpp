#include "game/Estadisticas.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <random>

namespace tablerix {
namespace {

constexpr std::string_view kCabeceraJugador = "-----Jugador-----";
constexpr std::string_view kLineaTotal = "-----Total: ";

std::string FechaDelSistema() {
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
    localtime_r(&ahora, &local);
    char texto[16];
    std::strftime(texto, sizeof texto, "%Y-%m-%d", &local);
    return texto;
}

// The points of a block's total line; false for any other line.
bool LeerTotal(std::string_view linea, std::int64_t& puntos) {
    if (!linea.starts_with(kLineaTotal)) return false;
    linea.remove_prefix(kLineaTotal.size());
    auto [fin, error] = std::from_chars(linea.data(), linea.data() + linea.size(), puntos);
    return error == std::errc() && fin == linea.data() + linea.size() && puntos >= 0;
}

}  // namespace

std::string (*FechaDeHoy)() = FechaDelSistema;

void Sumar(EstadisticasNivel& a, const EstadisticasNivel& b) {
    if (b.Partidas > 0 && (a.Partidas == 0 || b.MejorPartida > a.MejorPartida)) {
        a.MejorPartida = b.MejorPartida;
        a.FechaMejorPartida = b.FechaMejorPartida;
    }
    if (b.Jugadas > 0 && (a.Jugadas == 0 || b.PuntosMejorJugada > a.PuntosMejorJugada)) {
        a.MejorPalabra = b.MejorPalabra;
        a.PuntosMejorJugada = b.PuntosMejorJugada;
        a.FechaMejorJugada = b.FechaMejorJugada;
    }
    a.Partidas += b.Partidas;
    a.Ganadas += b.Ganadas;
    a.Perdidas += b.Perdidas;
    a.Empatadas += b.Empatadas;
    a.Jugadas += b.Jugadas;
    a.PuntosJugadas += b.PuntosJugadas;
}

std::array<EstadisticasNivel, kNumNiveles> Totales(const TablaEstadisticas& t) {
    std::array<EstadisticasNivel, kNumNiveles> totales = t.Niveles;
    if (!t.IdentidadUltima.empty()) Sumar(totales[t.NivelUltima], t.Ultima);
    return totales;
}

void ContarPartida(TablaEstadisticas& t, const std::string& identidad, int nivel,
                   const EstadisticasNivel& partida) {
    if (!t.IdentidadUltima.empty() && t.IdentidadUltima != identidad)
        Sumar(t.Niveles[t.NivelUltima], t.Ultima);
    t.IdentidadUltima = identidad;
    t.NivelUltima = nivel;
    t.Ultima = partida;
}

double MediaPorJugada(const EstadisticasNivel& e) {
    return e.Jugadas > 0 ? static_cast<double>(e.PuntosJugadas) / static_cast<double>(e.Jugadas)
                         : 0.0;
}

EstadisticasNivel PartidaTerminada(int puntosJugador, int puntosOrdenador,
                                   const std::vector<std::string>& listado,
                                   const std::string& fecha) {
    EstadisticasNivel e;
    e.Partidas = 1;
    e.Ganadas = puntosJugador > puntosOrdenador;
    e.Perdidas = puntosJugador < puntosOrdenador;
    e.Empatadas = puntosJugador == puntosOrdenador;
    e.MejorPartida = puntosJugador;
    e.FechaMejorPartida = fecha;
    for (std::size_t i = 0; i < listado.size(); ++i) {
        if (listado[i] != kCabeceraJugador) continue;
        // A block runs to its empty line: header, main word, ..., total.
        std::size_t fin = i + 1;
        while (fin < listado.size() && !listado[fin].empty()) ++fin;
        std::int64_t puntos = 0;
        if (fin >= i + 3 && LeerTotal(listado[fin - 1], puntos)) {
            EstadisticasNivel jugada;
            jugada.Jugadas = 1;
            jugada.PuntosJugadas = puntos;
            jugada.MejorPalabra = listado[i + 1];
            jugada.PuntosMejorJugada = puntos;
            jugada.FechaMejorJugada = fecha;
            Sumar(e, jugada);
        }
        i = fin;
    }
    return e;
}

std::string NuevaIdentidadPartida() {
    // A random tag for the run and a number for the game within it.
    static const std::string kSesion = [] {
        std::random_device azar;
        char texto[20];
        std::snprintf(texto, sizeof texto, "%08x%08x", azar(), azar());
        return std::string(texto);
    }();
    static std::uint64_t numero = 0;
    return kSesion + "-" + std::to_string(++numero);
}

}  // namespace tablerix
