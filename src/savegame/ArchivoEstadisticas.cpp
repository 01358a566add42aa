#include "savegame/ArchivoEstadisticas.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "wordlist/Alfabeto.h"

namespace tablerix {
namespace {

constexpr std::string_view kCabecera = "[Estadisticas]";
constexpr char kNada[] = "-";
// Far above any real count, far below what the sums could overflow.
constexpr std::int64_t kMaximo = 1'000'000'000'000;
constexpr std::size_t kCamposRegistro = 11;

std::string Registro(const EstadisticasNivel& e) {
    const bool conJugada = e.Jugadas > 0;
    std::ostringstream s;
    s << e.Partidas << ' ' << e.Ganadas << ' ' << e.Perdidas << ' ' << e.Empatadas << ' '
      << e.Jugadas << ' ' << e.PuntosJugadas << ' ' << e.MejorPartida << ' ' << e.FechaMejorPartida
      << ' ' << (conJugada ? e.MejorPalabra : kNada) << ' ' << e.PuntosMejorJugada << ' '
      << (conJugada ? e.FechaMejorJugada : kNada);
    return s.str();
}

bool Numero(const std::string& texto, std::int64_t minimo, std::int64_t& n) {
    auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
    return error == std::errc() && fin == texto.data() + texto.size() && n >= minimo &&
           n <= kMaximo;
}

bool EsFecha(const std::string& f) {
    if (f.size() != 10 || f[4] != '-' || f[7] != '-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (f[i] < '0' || f[i] > '9') return false;
    const int mes = (f[5] - '0') * 10 + (f[6] - '0');
    const int dia = (f[8] - '0') * 10 + (f[9] - '0');
    return mes >= 1 && mes <= 12 && dia >= 1 && dia <= 31;
}

bool EsPalabra(const std::string& p) {
    if (p.empty() || p.size() > 15) return false;
    for (char c : p)
        if (!EsLetraDeFicha(c)) return false;
    return true;
}

// The record in c[0..10]; false unless it is one a finished game can leave.
bool LeerRegistro(const std::vector<std::string>& c, EstadisticasNivel& e) {
    if (c.size() != kCamposRegistro) return false;
    if (!Numero(c[0], 1, e.Partidas) || !Numero(c[1], 0, e.Ganadas) ||
        !Numero(c[2], 0, e.Perdidas) || !Numero(c[3], 0, e.Empatadas) ||
        !Numero(c[4], 0, e.Jugadas) || !Numero(c[5], 0, e.PuntosJugadas) ||
        !Numero(c[6], -kMaximo, e.MejorPartida) || !Numero(c[9], 0, e.PuntosMejorJugada))
        return false;
    if (e.Ganadas + e.Perdidas + e.Empatadas != e.Partidas || !EsFecha(c[7])) return false;
    e.FechaMejorPartida = c[7];
    if (e.Jugadas == 0)
        return e.PuntosJugadas == 0 && c[8] == kNada && e.PuntosMejorJugada == 0 && c[10] == kNada;
    e.MejorPalabra = c[8];
    e.FechaMejorJugada = c[10];
    return EsPalabra(c[8]) && EsFecha(c[10]) && e.PuntosMejorJugada <= e.PuntosJugadas;
}

bool EsIdentidad(const std::string& s) {
    if (s.empty() || s.size() > 40) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || c == '-')) return false;
    return true;
}

}  // namespace

std::string FormatearEstadisticas(const TablaEstadisticas& t) {
    std::string s = std::string(kCabecera) + "\r\n";
    for (int n = 0; n < kNumNiveles; ++n)
        if (t.Niveles[n].Partidas > 0)
            s += "nivel " + std::to_string(n) + " " + Registro(t.Niveles[n]) + "\r\n";
    if (!t.IdentidadUltima.empty())
        s += "ultima " + t.IdentidadUltima + " " + std::to_string(t.NivelUltima) + " " +
             Registro(t.Ultima) + "\r\n";
    return s;
}

std::optional<TablaEstadisticas> InterpretarEstadisticas(std::string_view bytes) {
    TablaEstadisticas t;
    std::istringstream lineas{std::string(bytes)};
    std::string linea;
    if (!std::getline(lineas, linea) || linea != std::string(kCabecera) + "\r") return std::nullopt;
    while (std::getline(lineas, linea)) {
        if (linea.empty() || linea.back() != '\r') return std::nullopt;
        linea.pop_back();
        std::vector<std::string> c;
        std::istringstream campos(linea);
        for (std::string campo; campos >> campo;) c.push_back(campo);
        const bool ultima = !c.empty() && c[0] == "ultima";
        if (ultima) {
            if (!t.IdentidadUltima.empty() || c.size() < 2 || !EsIdentidad(c[1]))
                return std::nullopt;
            t.IdentidadUltima = c[1];
            c.erase(c.begin());
        } else if (c.empty() || c[0] != "nivel") {
            return std::nullopt;
        }
        std::int64_t n = 0;
        if (c.size() < 2 || !Numero(c[1], 0, n) || n >= kNumNiveles) return std::nullopt;
        EstadisticasNivel& e = ultima ? t.Ultima : t.Niveles[n];
        if (!LeerRegistro({c.begin() + 2, c.end()}, e)) return std::nullopt;
        if (ultima && e.Partidas != 1) return std::nullopt;
        if (ultima) t.NivelUltima = static_cast<int>(n);
    }
    // Written back the same, or it is not a file we wrote: a level given
    // twice, levels out of order, blanks or zeros added.
    if (FormatearEstadisticas(t) != bytes) return std::nullopt;
    return t;
}

}  // namespace tablerix
