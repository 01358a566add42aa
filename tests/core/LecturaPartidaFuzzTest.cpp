// Random damage to a good saved game: the reader must never crash, and whatever
// it accepts must be a game the rest of the program can use.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "PartidaConocida.h"
#include "game/Nivel.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/LecturaPartida.h"

namespace tablerix {
namespace {

bool EsLetra(char c) { return (c >= 'A' && c <= 'Z' && c != 'W') || c == kEnie; }
bool EsRanura(char c) { return c == kSinFicha || c == kBlanco || EsLetra(c); }

void ComprobarUsable(const DatosPartida& d) {
    for (char c : d.Tablero) ASSERT_TRUE(c == kCasillaVacia || EsLetra(c));
    for (const auto& atril : d.Atriles) ASSERT_TRUE(std::all_of(atril.begin(), atril.end(), EsRanura));
    ASSERT_TRUE(std::all_of(d.Bolsa.begin(), d.Bolsa.end(), EsRanura));
    ASSERT_EQ(d.FichasEnBolsa, kFichasBolsa + 1 - std::count(d.Bolsa.begin(), d.Bolsa.end(), kSinFicha));
    ASSERT_GE(NivelDePaso(d.PasoBusqueda), 0);
    ASSERT_TRUE(d.PasesSeguidos == 0 || d.PasesSeguidos == 1);
    // What we accept, we write back in a form that reads the same.
    ASSERT_EQ(InterpretarPartida(FormatearPartida(d)), d);
}

TEST(ArchivoPartidaFuzz, ArchivosDanadosAlAzar) {
    constexpr int kIteraciones = 20000;
    const std::string bueno = prueba::BytesPartidaConocida();
    const char utiles[] = "\r\n,\" -.*0123456789AZ[]\xD1W\x00\xFF";  // bytes the reader looks at
    std::mt19937_64 motor(20261206);
    auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(motor); };
    auto byte = [&] {
        return entre(0, 1) ? utiles[entre(0, sizeof utiles - 2)] : static_cast<char>(entre(0, 255));
    };
    int aceptados = 0;
    for (int i = 0; i < kIteraciones && !HasFatalFailure(); ++i) {
        std::string s = bueno;
        for (int cambios = entre(1, 4); cambios > 0; --cambios) {
            const size_t p = s.empty() ? 0 : entre(0, static_cast<int>(s.size()) - 1);
            switch (s.empty() ? 1 : entre(0, 4)) {
                case 0: s[p] = byte(); break;
                case 1: s.insert(p, 1, byte()); break;
                case 2: s.erase(p, entre(1, 40)); break;
                case 3: s.resize(p); break;
                // A stretch repeated elsewhere shifts whole lines.
                default: s.insert(entre(0, static_cast<int>(s.size())), s.substr(p, entre(1, 60)));
            }
        }
        std::optional<DatosPartida> d = InterpretarPartida(s);
        if (!d) continue;
        ++aceptados;
        SCOPED_TRACE("iteration " + std::to_string(i));
        ComprobarUsable(*d);
    }
    // Damage to the log alone keeps a file loadable, so some must pass; most must not.
    EXPECT_GT(aceptados, 0);
    EXPECT_LT(aceptados, kIteraciones / 2);
}

}  // namespace
}  // namespace tablerix
