// Reading Tablerix.ini back: what a faithful writer may produce loads, damage is refused.
#include <gtest/gtest.h>

#include "PartidaConocida.h"
#include "savegame/LecturaPartida.h"

namespace tablerix {
namespace {

using prueba::BytesPartidaConocida;
using prueba::PartidaConocida;

// Replaces the first occurrence of `antes` (CR LF line ends included) in the known file.
std::string Cambiado(const std::string& antes, const std::string& despues) {
    std::string bytes = BytesPartidaConocida();
    size_t pos = bytes.find(antes);
    EXPECT_NE(pos, std::string::npos) << antes;
    if (pos != std::string::npos) bytes.replace(pos, antes.size(), despues);
    return bytes;
}

TEST(LecturaPartida, LeeLoQueEscribe) {
    std::optional<DatosPartida> d = InterpretarPartida(BytesPartidaConocida());
    ASSERT_TRUE(d);
    DatosPartida esperada = PartidaConocida();
    // The reader skips leading blanks, also in the log.
    esperada.Listado[8] = "(Pasa)";
    EXPECT_EQ(*d, esperada);
}

TEST(LecturaPartida, AceptaVariantesDeUnEscritorFiel) {
    // Headers are never compared.
    EXPECT_TRUE(InterpretarPartida(Cambiado("[Puntos]", "[Marcador]")));
    // Blanks around numbers are skipped, and numbers without them read as well.
    std::optional<DatosPartida> d = InterpretarPartida(Cambiado("26\r\n0\r\n", " 26 \r\n-3 \r\n"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Puntos[0], "26");
    EXPECT_EQ(d->Puntos[1], "-3");
    d = InterpretarPartida(Cambiado(" 7 \r\n", "7\r\n"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->PasoBusqueda, 7);
    // A comma ends an item as a line end does.
    EXPECT_EQ(InterpretarPartida(Cambiado("E\r\nD\r\n", "E,D\r\n")),
              InterpretarPartida(BytesPartidaConocida()));
    // Without the CR LF after the last log line.
    std::string sinFinal = BytesPartidaConocida();
    sinFinal.resize(sinFinal.size() - 2);
    d = InterpretarPartida(sinFinal);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Listado.size(), 9u);
}

TEST(LecturaPartida, ElListadoLlegaHastaElFinal) {
    std::optional<DatosPartida> d =
        InterpretarPartida(Cambiado("-----Total: 26", "Se suma lo del Ordenador: 5, 6"));
    ASSERT_TRUE(d);
    // A comma ends an item, so a log line with one comes back as two.
    ASSERT_EQ(d->Listado.size(), 11u);
    EXPECT_EQ(d->Listado[5], "Se suma lo del Ordenador: 5");
    EXPECT_EQ(d->Listado[6], "6");

    // An empty log section is still a saved game.
    std::string bytes = BytesPartidaConocida();
    bytes.resize(bytes.find("[Listado]\r\n") + 11);
    d = InterpretarPartida(bytes);
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->Listado.empty());
}

// Truncation, binary garbage and the damage named for loading are tried through
// the game in PartidaGuardadaTest; these are the other ways a file can be wrong.
TEST(LecturaPartida, RechazaArchivosDanados) {
    const std::string fila = "......" + Txt("CAÑA") + ".....\r\n";
    const struct {
        const char* caso;
        std::string bytes;
    } danados[] = {
        {"empty", ""},
        {"a number that is only a sign", Cambiado(" 1 \r\n", "-\r\n")},
        {"a number beyond 16 bits", Cambiado("26\r\n", "40000\r\n")},
        {"a score that is not a number", Cambiado("26\r\n", "veinte\r\n")},
        {"an empty score", Cambiado("26\r\n", "\r\n")},
        {"a board row of 16 characters", Cambiado(fila, "......" + Txt("CAÑA") + "......\r\n")},
        {"a blank on the board", Cambiado(fila, "......CA*A.....\r\n")},
        {"a W on the board", Cambiado(fila, "......CAWA.....\r\n")},
        {"a small letter on the board", Cambiado(fila, "......casa.....\r\n")},
        {"a rack item of two letters", Cambiado("E\r\nD\r\n", "EE\r\nD\r\n")},
        {"a rack item that is no tile", Cambiado("E\r\nD\r\n", "?\r\nD\r\n")},
        {"a bag item that is no tile", Cambiado("B\r\n", "W\r\n")},
        {"a stride of 0", Cambiado(" 7 \r\n", " 0 \r\n")},
        {"a count below the bag", Cambiado(" 3 \r\n", " 2 \r\n")},
        {"two passes in a row", Cambiado(" 1 \r\n", " 2 \r\n")},
        {"a comma splitting a board row", Cambiado(fila, "......CA,A.....\r\n")},
        {"a rack item too many", Cambiado("E\r\nD\r\n", "E,F\r\nD\r\n")},
    };
    for (const auto& d : danados) EXPECT_FALSE(InterpretarPartida(d.bytes)) << d.caso;
}

}  // namespace
}  // namespace tablerix
