#include "savegame/LecturaPartida.h"

#include <charconv>

#include "game/Nivel.h"
#include "wordlist/Alfabeto.h"
#include "wordlist/LectorElementos.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Every reading step fails once an item is missing or wrong; the caller
// checks Bien() at the end and at the points where reading on is pointless.
class Lectura {
  public:
    explicit Lectura(std::string_view bytes) : lector_(bytes) {}

    bool Bien() const { return bien_; }

    void Saltar(int elementos = 1) {
        std::string e;
        for (int i = 0; i < elementos; ++i) Leer(e);
    }

    void FilaTablero(std::array<char, kCasillas>& tablero, int fila) {
        std::string e;
        if (!Leer(e)) return;
        if (e.size() != kLado) return Fallar();
        for (int columna = 0; columna < kLado; ++columna) {
            char c = e[columna];
            if (c != '.' && !EsLetraDeFicha(c)) return Fallar();
            tablero[fila * kLado + columna] = c == '.' ? kCasillaVacia : c;
        }
    }

    void Ficha(char& ficha) {
        std::string e;
        if (!Leer(e)) return;
        if (e.empty()) {
            ficha = kSinFicha;
        } else if (e.size() == 1 && (EsLetraDeFicha(e[0]) || e[0] == kBlanco)) {
            ficha = e[0];
        } else {
            Fallar();
        }
    }

    template <class Entero>
    void Numero(Entero& n) {
        std::string e;
        if (!Leer(e)) return;
        std::string_view v = SinBlancos(e);
        if (v.empty()) return Fallar();
        auto [fin, error] = std::from_chars(v.data(), v.data() + v.size(), n);
        if (error != std::errc() || fin != v.data() + v.size()) Fallar();
    }

    // The log runs to the end of the file.
    void Resto(std::vector<std::string>& lineas) {
        std::string e;
        while (bien_ && lector_.Leer(e)) lineas.push_back(e);
    }

  private:
    bool Leer(std::string& e) {
        if (bien_ && !lector_.Leer(e)) Fallar();
        return bien_;
    }
    void Fallar() { bien_ = false; }

    LectorElementos lector_;
    bool bien_ = true;
};

int FichasEnLaBolsa(const DatosPartida& d) {
    int n = 0;
    for (int s = 1; s <= kFichasBolsa; ++s)
        if (d.Bolsa[s] != kSinFicha) ++n;
    return n;
}

}  // namespace

std::optional<DatosPartida> InterpretarPartida(std::string_view bytes) {
    DatosPartida d;
    Lectura l(bytes);

    l.Saltar();  // [Tablero]
    for (int fila = 0; fila < kLado; ++fila) l.FilaTablero(d.Tablero, fila);

    l.Saltar(2);  // empty line, [Fichas]
    for (int k = 1; k <= kRanuras; ++k) {
        l.Ficha(d.Atriles[kTurnoJugador][k]);
        l.Ficha(d.Atriles[kTurnoOrdenador][k]);
    }

    l.Saltar(2);  // [Restantes]
    l.Numero(d.FichasEnBolsa);
    l.Saltar(2);  // [Sin salir]
    for (int s = 1; s <= kFichasBolsa; ++s) l.Ficha(d.Bolsa[s]);

    l.Saltar(2);  // [Puntos]
    for (std::string& puntos : d.Puntos) {
        int n = 0;  // as wide as the game keeps a score
        l.Numero(n);
        puntos = std::to_string(n);
    }

    l.Saltar(2);  // [Pasado]
    l.Numero(d.PasesSeguidos);
    l.Saltar(2);  // [Nivel]
    l.Numero(d.PasoBusqueda);
    l.Saltar(2);  // [Listado]
    l.Resto(d.Listado);

    if (!l.Bien()) return std::nullopt;
    // A count above the filled slots would leave a draw looking for a tile forever.
    if (d.FichasEnBolsa != FichasEnLaBolsa(d)) return std::nullopt;
    // Two passes in a row end the game, so a game in progress never has more than one.
    if (d.PasesSeguidos < 0 || d.PasesSeguidos > 1) return std::nullopt;
    if (NivelDePaso(d.PasoBusqueda) < 0) return std::nullopt;
    return d;
}

}  // namespace tablerix
