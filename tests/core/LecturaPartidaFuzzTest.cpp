// Random damage to a good saved game: the reader must never crash, and whatever
// it accepts must be a game the rest of the program can use.
#include <gtest/gtest.h>

#include <random>

#include "PartidaConocida.h"
#include "game/Nivel.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/LecturaPartida.h"

namespace tablerix {
namespace {

constexpr int kIteraciones = 20000;
const char kBytesUtiles[] = "\r\n,\" -.*0123456789AZ[]\xD1W\x00\xFF";

class Mutador {
public:
    explicit Mutador(std::uint64_t semilla) : motor_(semilla) {}

    std::string Danar(std::string bytes) {
        int cambios = Entre(1, 4);
        for (int i = 0; i < cambios; ++i) Danar1(bytes);
        return bytes;
    }

private:
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(motor_); }
    size_t Posicion(const std::string& s) { return s.empty() ? 0 : Entre(0, int(s.size()) - 1); }
    char Byte() {
        // Half of the time a byte that means something to the reader.
        if (Entre(0, 1)) return kBytesUtiles[Entre(0, sizeof kBytesUtiles - 2)];
        return static_cast<char>(Entre(0, 255));
    }

    void Danar1(std::string& s) {
        if (s.empty()) {
            s.push_back(Byte());
            return;
        }
        size_t p = Posicion(s);
        switch (Entre(0, 5)) {
            case 0: s[p] = Byte(); break;
            case 1: s.insert(s.begin() + p, Byte()); break;
            case 2: s.erase(p, Entre(1, 40)); break;
            case 3: s.resize(p); break;
            case 4: {  // a stretch repeated elsewhere: shifts whole lines
                std::string trozo = s.substr(p, Entre(1, 60));
                s.insert(Posicion(s), trozo);
                break;
            }
            default: s[p] = s[p] == '\r' ? '\n' : '\r'; break;
        }
    }

    std::mt19937_64 motor_;
};

bool EsFichaValida(char c, bool hueco, bool blanco) {
    if (c == kSinFicha) return hueco;
    if (c == kBlanco) return blanco;
    return (c >= 'A' && c <= 'Z' && c != 'W') || c == kEnie;
}

void ComprobarUsable(const DatosPartida& d) {
    for (char c : d.Tablero) ASSERT_TRUE(c == kCasillaVacia || EsFichaValida(c, false, false));
    for (int p = 1; p <= 2; ++p)
        for (int k = 1; k <= kRanuras; ++k) ASSERT_TRUE(EsFichaValida(d.Atriles[p][k], true, true));
    int enBolsa = 0;
    for (int s = 1; s <= kFichasBolsa; ++s) {
        ASSERT_TRUE(EsFichaValida(d.Bolsa[s], true, true));
        if (d.Bolsa[s] != kSinFicha) ++enBolsa;
    }
    ASSERT_EQ(d.FichasEnBolsa, enBolsa);
    ASSERT_GE(NivelDePaso(d.PasoBusqueda), 0);
    ASSERT_TRUE(d.PasesSeguidos == 0 || d.PasesSeguidos == 1);
    // What we accept, we write back in a form that reads the same.
    std::optional<DatosPartida> otra = InterpretarPartida(FormatearPartida(d));
    ASSERT_TRUE(otra);
    ASSERT_EQ(otra->Tablero, d.Tablero);
    ASSERT_EQ(otra->Atriles, d.Atriles);
    ASSERT_EQ(otra->Bolsa, d.Bolsa);
    ASSERT_EQ(otra->Puntos, d.Puntos);
}

TEST(LecturaPartidaFuzz, ArchivosDanadosAlAzar) {
    const std::string bueno = prueba::BytesPartidaConocida();
    Mutador m(20261206);
    int aceptados = 0;
    for (int i = 0; i < kIteraciones; ++i) {
        std::string bytes = m.Danar(bueno);
        std::optional<DatosPartida> d = InterpretarPartida(bytes);
        if (!d) continue;
        ++aceptados;
        ComprobarUsable(*d);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "iteration " << i;
            return;
        }
    }
    // Damage to the log alone keeps a file loadable, so some must pass; most must not.
    EXPECT_GT(aceptados, 0);
    EXPECT_LT(aceptados, kIteraciones);
}

}  // namespace
}  // namespace tablerix
