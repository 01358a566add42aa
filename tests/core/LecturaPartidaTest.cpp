// Tablerix.ini as we write it and as we read it back, and random damage to it.
// Damaged files are refused through the game in PartidaGuardadaTest.
#include <gtest/gtest.h>

#include <algorithm>

#include "DanoAlAzar.h"
#include "PartidaConocida.h"
#include "game/Nivel.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/LecturaPartida.h"

namespace tablerix {
namespace {

using prueba::BytesPartidaConocida;
using prueba::Cambiado;

// The writer's bytes for a game set by hand are in the save-and-load scenario
// (without the CRs); reading a file and writing it back gives the same bytes.
TEST(ArchivoPartida, LeerYEscribirDevuelveLosMismosBytes) {
    const std::optional<DatosPartida> d = InterpretarPartida(BytesPartidaConocida());
    ASSERT_TRUE(d);
    // The reader skips leading blanks, also in the log.
    EXPECT_EQ(FormatearPartida(*d), Cambiado(" (Pasa)", "(Pasa)"));
}

TEST(ArchivoPartida, AceptaVariantesDeUnEscritorFiel) {
    const auto conocida = InterpretarPartida(BytesPartidaConocida());
    auto con = [&](auto cambiar) {
        auto d = conocida;
        cambiar(*d);
        return d;
    };
    // Headers are never compared; a comma ends an item as a line end does;
    // blanks around numbers are skipped (the known file has scores without them).
    EXPECT_EQ(InterpretarPartida(Cambiado("[Puntos]", "[Marcador]")), conocida);
    EXPECT_EQ(InterpretarPartida(Cambiado("E\r\nD\r\n", "E,D\r\n")), conocida);
    EXPECT_EQ(InterpretarPartida(Cambiado("26\r\n0\r\n", " 26 \r\n-3 \r\n")),
              con([](DatosPartida& d) { d.Puntos[1] = "-3"; }));
    // The log runs to the end of the file, with or without a final CR LF; a
    // comma splits a log line in two.
    const std::string bytes = BytesPartidaConocida();
    EXPECT_EQ(InterpretarPartida(bytes.substr(0, bytes.size() - 2)),
              con([](DatosPartida& d) { d.Listado.pop_back(); }));
    EXPECT_EQ(InterpretarPartida(Cambiado("-----Total: 26", "Se suma lo del Ordenador: 5, 6")),
              con([](DatosPartida& d) {
                  d.Listado[5] = "Se suma lo del Ordenador: 5";
                  d.Listado.insert(d.Listado.begin() + 6, "6");
              }));
}

bool EsLetra(char c) {
    return (c >= 'A' && c <= 'Z' && c != 'W') || c == kEnie;
}
bool EsRanura(char c) {
    return c == kSinFicha || c == kBlanco || EsLetra(c);
}

// Whatever the reader accepts must be a game the rest of the program can use.
void ComprobarUsable(const DatosPartida& d) {
    for (char c : d.Tablero) ASSERT_TRUE(c == kCasillaVacia || EsLetra(c));
    for (const auto& atril : d.Atriles)
        ASSERT_TRUE(std::all_of(atril.begin(), atril.end(), EsRanura));
    ASSERT_TRUE(std::all_of(d.Bolsa.begin(), d.Bolsa.end(), EsRanura));
    ASSERT_EQ(d.FichasEnBolsa,
              kFichasBolsa + 1 - std::count(d.Bolsa.begin(), d.Bolsa.end(), kSinFicha));
    ASSERT_GE(NivelDePaso(d.PasoBusqueda), 0);
    ASSERT_TRUE(d.PasesSeguidos == 0 || d.PasesSeguidos == 1);
    // What we accept, we write back in a form that reads the same.
    ASSERT_EQ(InterpretarPartida(FormatearPartida(d)), d);
}

// Damage to the log alone keeps a file loadable.
TEST(ArchivoPartidaFuzz, ArchivosDanadosAlAzar) {
    const char utiles[] = "\r\n,\" -.*0123456789AZ[]\xD1W\x00\xFF";  // bytes the reader looks at
    prueba::ProbarDanos(20261206, {utiles, sizeof utiles - 1}, BytesPartidaConocida(),
                        InterpretarPartida,
                        [](const DatosPartida& d, const std::string&, int) { ComprobarUsable(d); });
}

}  // namespace
}  // namespace tablerix
