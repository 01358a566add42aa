#include "savegame/ArchivoHistoria.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <vector>

#include "game/Nivel.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Past any real game's history (a few hundred items) by far, yet bounded.
constexpr std::size_t kMaximoTurnos = 10000;
constexpr int kMaximoCoordenada = 100000;       // a frame's place, in window pixels
constexpr std::size_t kMaximoLineas = 1000000;  // the saved game's log is shorter

constexpr char kTipos[] = {'P', 'A', 'C'};  // TipoTurno: palabra, pase, cambio

char Tile(char ficha) {
    return ficha == kSinFicha || ficha == kCasillaVacia ? '.' : ficha;
}

std::string Fichas(const char* fichas, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) s += Tile(fichas[k]);
    return s;
}

std::string Bits(const auto& valores, auto visible) {
    std::string s;
    for (const auto& v : valores) s += visible(v) ? '1' : '0';
    return s;
}

std::string Unir(std::initializer_list<long long> numeros) {
    std::string s;
    for (long long n : numeros) {
        if (!s.empty()) s += ' ';
        s += std::to_string(n);
    }
    return s;
}

class Escritura {
  public:
    void Linea(std::string_view texto) {
        bytes_ += texto;
        bytes_ += "\r\n";
    }
    std::string Bytes() && { return std::move(bytes_); }

  private:
    std::string bytes_;
};

void EscribirTurno(Escritura& e, const TurnoHistoria& t) {
    std::string s = Unir({t.Lado, t.Puntos, t.Fichas});
    s.append(1, ' ').append(1, kTipos[static_cast<int>(t.Tipo)]);
    if (t.Tipo == TipoTurno::Palabra) {
        s.append(" ").append(std::to_string(t.Casilla)).append(1, ' ').append(1, t.Direccion);
        s.append(" ").append(t.Palabra);
        for (const std::string& p : t.OtrasPalabras) s.append(" ").append(p);
    }
    e.Linea(s);
}

void EscribirMarco(Escritura& e, const Marco& m) {
    const Rectangulo& r = m.Posicion;
    e.Linea(Unir({m.Visible, r.Izquierda, r.Arriba, r.Ancho, r.Alto}));
}

void EscribirParada(Escritura& e, const Parada& parada) {
    const Posicion& p = parada.Momento;
    const PosicionJuego& g = p.Partida;
    e.Linea("[Posicion]");
    e.Linea(std::to_string(parada.TurnosHechos));
    for (int fila = 0; fila < kLado; ++fila) e.Linea(Fichas(&g.Tablero[fila * kLado], kLado));
    std::string blancos;
    for (int i = 0; i < kCasillas; ++i)
        if (p.Blancos[i]) blancos.append(" ").append(std::to_string(i));
    e.Linea(blancos.empty() ? blancos : blancos.substr(1));
    e.Linea(Fichas(&g.Atriles[kTurnoJugador][1], kRanuras));
    e.Linea(Fichas(&g.Atriles[kTurnoOrdenador][1], kRanuras));
    e.Linea(Fichas(&g.Bolsa[1], kFichasBolsa));
    e.Linea(Unir({g.FichasEnBolsa, g.PasesSeguidos, g.PrimeraJugada, g.PasoBusqueda}));
    std::string jugador, ordenador;
    for (const FichaJugador& f : p.AtrilJugador) jugador += Tile(f.Letra);
    for (const FichaOrdenador& f : p.AtrilOrdenador) ordenador += Tile(f.Letra);
    e.Linea(jugador + " " + Bits(p.AtrilJugador, [](const FichaJugador& f) { return f.Visible; }));
    e.Linea(ordenador + " " +
            Bits(p.AtrilOrdenador, [](const FichaOrdenador& f) { return f.Visible; }));
    e.Linea(p.Puntos[0]);
    e.Linea(p.Puntos[1]);
    e.Linea(std::string(1, p.ModoEstado) + " " + p.Estado);
    e.Linea(Unir({static_cast<long long>(parada.LineasListado), p.SeleccionListado}));
    EscribirMarco(e, p.Azul);
    EscribirMarco(e, p.Rojo);
    e.Linea(std::to_string(p.Azar.Semilla) + " " + std::to_string(p.Azar.Extracciones));
}

// Lines split at CR LF; each read fails once the text has run out or an item is wrong.
class Lectura {
  public:
    explicit Lectura(std::string_view bytes) : resto_(bytes) {}
    bool Bien() const { return bien_; }
    bool AlFinal() const { return resto_.empty(); }
    void Fallar() { bien_ = false; }

    std::string_view Linea() {
        const std::size_t fin = resto_.find("\r\n");
        if (!bien_ || fin == std::string_view::npos) {
            Fallar();
            return {};
        }
        std::string_view linea = resto_.substr(0, fin);
        resto_.remove_prefix(fin + 2);
        return linea;
    }

    // The line's items split at single blanks.
    std::vector<std::string_view> Partes(std::size_t minimo, std::size_t maximo) {
        std::vector<std::string_view> partes;
        std::string_view linea = Linea();
        while (bien_) {
            const std::size_t fin = linea.find(' ');
            partes.push_back(linea.substr(0, fin));
            if (fin == std::string_view::npos) break;
            linea.remove_prefix(fin + 1);
        }
        if (partes.size() < minimo || partes.size() > maximo) Fallar();
        return partes;
    }

    template <class Entero>
    Entero Numero(std::string_view v, Entero minimo, Entero maximo) {
        Entero n{};
        auto [fin, error] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (error != std::errc() || fin != v.data() + v.size() || v.empty() || n < minimo ||
            n > maximo)
            Fallar();
        return n;
    }

    // `n` tiles, '.' for none; a blank only where `blancos`.
    void Fichas(char* destino, int n, char vacia, bool blancos, std::string_view linea) {
        if (static_cast<int>(linea.size()) != n) return Fallar();
        for (int k = 0; k < n; ++k) {
            const char c = linea[k];
            if (c == '.')
                destino[k] = vacia;
            else if (EsLetraDeFicha(c) || (blancos && c == kBlanco))
                destino[k] = c;
            else
                return Fallar();
        }
    }

    template <class Ficha>
    void Atril(std::array<Ficha, kRanuras>& atril) {
        const auto partes = Partes(2, 2);
        if (!bien_) return;
        char letras[kRanuras];
        Fichas(letras, kRanuras, kSinFicha, true, partes[0]);
        if (partes[1].size() != kRanuras) return Fallar();
        for (int k = 0; k < kRanuras && bien_; ++k) {
            atril[k].Letra = letras[k];
            atril[k].Visible = Numero<int>(partes[1].substr(k, 1), 0, 1);
        }
    }

    Marco LeerMarco() {
        const auto partes = Partes(5, 5);
        if (!bien_) return {};
        int n[5];
        for (int k = 0; k < 5; ++k) n[k] = Numero<int>(partes[k], 0, kMaximoCoordenada);
        return {n[0] == 1, {n[1], n[2], n[3], n[4]}};
    }

  private:
    std::string_view resto_;
    bool bien_ = true;
};

std::string Palabra(Lectura& l, std::string_view v) {
    if (v.size() < 2 || v.size() > kLado ||
        !std::all_of(v.begin(), v.end(), [](char c) { return EsLetraDeFicha(c); }))
        l.Fallar();
    return std::string(v);
}

TurnoHistoria LeerTurno(Lectura& l) {
    TurnoHistoria t;
    const auto partes = l.Partes(4, 4 + kLado * 2);
    if (!l.Bien()) return t;
    t.Lado = l.Numero<std::int16_t>(partes[0], kTurnoJugador, kTurnoOrdenador);
    t.Puntos = l.Numero<int>(partes[1], -100000, 100000);
    t.Fichas = l.Numero<int>(partes[2], 0, kRanuras);
    const char* tipo = partes[3].size() == 1
                           ? std::find(std::begin(kTipos), std::end(kTipos), partes[3].front())
                           : std::end(kTipos);
    if (tipo == std::end(kTipos)) {
        l.Fallar();
        return t;
    }
    t.Tipo = static_cast<TipoTurno>(tipo - kTipos);
    if (t.Tipo != TipoTurno::Palabra) {
        if (partes.size() != 4 || (t.Tipo == TipoTurno::Cambio) != (t.Fichas > 0)) l.Fallar();
        return t;
    }
    if (partes.size() < 7 || t.Fichas != 0) {
        l.Fallar();
        return t;
    }
    t.Casilla = l.Numero<int>(partes[4], 0, kCasillas - 1);
    if (partes[5] != "H" && partes[5] != "V") {
        l.Fallar();
        return t;
    }
    t.Direccion = partes[5].front();
    t.Palabra = Palabra(l, partes[6]);
    for (std::size_t k = 7; k < partes.size(); ++k)
        t.OtrasPalabras.push_back(Palabra(l, partes[k]));
    return t;
}

int Llenas(const std::array<char, kFichasBolsa + 1>& bolsa) {
    return static_cast<int>(
        std::count_if(bolsa.begin() + 1, bolsa.end(), [](char c) { return c != kSinFicha; }));
}

Parada LeerParada(Lectura& l, std::size_t turnos) {
    Parada parada;
    Posicion& p = parada.Momento;
    PosicionJuego& g = p.Partida;
    if (l.Linea() != "[Posicion]") l.Fallar();
    parada.TurnosHechos = l.Numero<std::size_t>(l.Linea(), 0, turnos);
    for (int fila = 0; fila < kLado; ++fila)
        l.Fichas(&g.Tablero[fila * kLado], kLado, kCasillaVacia, false, l.Linea());
    const std::string blancos = std::string(l.Linea()) + "\r\n";
    if (blancos != "\r\n") {
        Lectura casillas(blancos);
        for (std::string_view v : casillas.Partes(1, kCasillas)) {
            const int i = casillas.Numero<int>(v, 0, kCasillas - 1);
            if (!casillas.Bien() || g.Tablero[i] == kCasillaVacia) break;
            p.Blancos[i] = true;
        }
        if (!casillas.Bien()) l.Fallar();
    }
    l.Fichas(&g.Atriles[kTurnoJugador][1], kRanuras, kSinFicha, true, l.Linea());
    l.Fichas(&g.Atriles[kTurnoOrdenador][1], kRanuras, kSinFicha, true, l.Linea());
    l.Fichas(&g.Bolsa[1], kFichasBolsa, kSinFicha, true, l.Linea());
    auto numeros = l.Partes(4, 4);
    if (!l.Bien()) return parada;
    g.FichasEnBolsa = l.Numero<std::int16_t>(numeros[0], 0, kFichasBolsa);
    g.PasesSeguidos = l.Numero<std::int16_t>(numeros[1], 0, 1);
    g.PrimeraJugada = l.Numero<int>(numeros[2], 0, 1);
    g.PasoBusqueda = l.Numero<std::int16_t>(numeros[3], 0, 100);
    g.PartidaEnCurso = true;
    const int nivel = NivelDePaso(g.PasoBusqueda);
    // A count above the filled slots would leave a draw looking for a tile forever.
    if (nivel < 0 || g.FichasEnBolsa != Llenas(g.Bolsa)) l.Fallar();
    if (g.PrimeraJugada && g.Tablero != TableroVacio()) l.Fallar();
    if (!l.Bien()) return parada;
    p.Nivel = Txt(kNiveles[nivel].Titulo);
    p.MenuNivel[nivel] = true;
    p.Contador = std::to_string(g.FichasEnBolsa);

    l.Atril(p.AtrilJugador);
    l.Atril(p.AtrilOrdenador);
    for (std::string& puntos : p.Puntos)
        puntos =
            std::to_string(l.Numero<int>(SinBlancos(l.Linea()), std::numeric_limits<int>::min(),
                                         std::numeric_limits<int>::max()));
    const std::string_view estado = l.Linea();
    if (estado.size() < 2 || estado[1] != ' ' ||
        std::string_view("012").find(estado[0]) == std::string_view::npos)
        l.Fallar();
    if (!l.Bien()) return parada;
    p.ModoEstado = estado[0];
    p.Estado = std::string(estado.substr(2));
    numeros = l.Partes(2, 2);
    if (!l.Bien()) return parada;
    parada.LineasListado = l.Numero<std::size_t>(numeros[0], 0, kMaximoLineas);
    p.SeleccionListado = l.Numero<int>(numeros[1], -1, static_cast<int>(parada.LineasListado) - 1);
    p.Azul = l.LeerMarco();
    p.Rojo = l.LeerMarco();
    numeros = l.Partes(2, 2);
    if (!l.Bien()) return parada;
    p.Azar.Semilla =
        l.Numero<std::uint64_t>(numeros[0], 0, std::numeric_limits<std::uint64_t>::max());
    p.Azar.Extracciones = l.Numero<std::uint64_t>(numeros[1], 0, kMaximoExtracciones);
    return parada;
}

}  // namespace

std::uint64_t SumaDeControl(std::string_view bytes) {
    std::uint64_t suma = 14695981039346656037ull;
    for (unsigned char c : bytes) suma = (suma ^ c) * 1099511628211ull;
    return suma;
}

std::string FormatearHistoria(const Historia& h, std::uint64_t sumaPartida) {
    Escritura e;
    const std::size_t paradas = std::min(h.Actual + 1, h.Paradas.size());
    const std::size_t turnos = paradas ? h.Paradas[paradas - 1].TurnosHechos : 0;
    char suma[17];
    std::snprintf(suma, sizeof suma, "%016llx", static_cast<unsigned long long>(sumaPartida));
    e.Linea("[Historia]");
    e.Linea(suma);
    e.Linea(std::to_string(turnos));
    e.Linea(std::to_string(paradas));
    e.Linea("[Turnos]");
    for (std::size_t i = 0; i < turnos; ++i) EscribirTurno(e, h.Turnos[i]);
    for (std::size_t k = 0; k < paradas; ++k) EscribirParada(e, h.Paradas[k]);
    return std::move(e).Bytes();
}

std::optional<HistoriaLeida> InterpretarHistoria(std::string_view bytes) {
    HistoriaLeida leida;
    Historia& h = leida.Contenido;
    Lectura l(bytes);
    if (l.Linea() != "[Historia]") return std::nullopt;
    const std::string_view suma = l.Linea();
    if (suma.size() != 16) return std::nullopt;
    auto [fin, error] = std::from_chars(suma.data(), suma.data() + 16, leida.SumaPartida, 16);
    if (error != std::errc() || fin != suma.data() + 16) return std::nullopt;
    const auto turnos = l.Numero<std::size_t>(l.Linea(), 0, kMaximoTurnos);
    const auto paradas = l.Numero<std::size_t>(l.Linea(), 1, kMaximoTurnos + 1);
    if (!l.Bien()) return std::nullopt;
    if (l.Linea() != "[Turnos]" || !l.Bien()) return std::nullopt;
    for (std::size_t i = 0; i < turnos && l.Bien(); ++i) h.Turnos.push_back(LeerTurno(l));
    for (std::size_t k = 0; k < paradas && l.Bien(); ++k) {
        h.Paradas.push_back(LeerParada(l, turnos));
        // Each parada follows at least one turn of the one before.
        if (k > 0 && h.Paradas[k].TurnosHechos <= h.Paradas[k - 1].TurnosHechos) l.Fallar();
    }
    if (!l.Bien() || !l.AlFinal() || h.Paradas.back().TurnosHechos != turnos) return std::nullopt;
    h.Actual = h.Paradas.size() - 1;
    return leida;
}

}  // namespace tablerix
