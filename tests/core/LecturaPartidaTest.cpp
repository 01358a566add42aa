// Tablerix.ini as we write it and as we read it back. Damaged files are refused
// through the game in PartidaGuardadaTest.
#include <gtest/gtest.h>

#include "PartidaConocida.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/LecturaPartida.h"

namespace tablerix {
namespace {

using prueba::BytesPartidaConocida;
using prueba::Cambiado;

TEST(ArchivoPartida, EscribeLaDisposicionExactaYLaLee) {
    const DatosPartida conocida = prueba::PartidaConocida();
    EXPECT_EQ(FormatearPartida(conocida), BytesPartidaConocida());
    DatosPartida esperada = conocida;
    esperada.Listado[8] = "(Pasa)";  // the reader skips leading blanks, also in the log
    EXPECT_EQ(InterpretarPartida(BytesPartidaConocida()), esperada);
}

TEST(ArchivoPartida, AceptaVariantesDeUnEscritorFiel) {
    // Headers are never compared; a comma ends an item as a line end does.
    EXPECT_EQ(InterpretarPartida(Cambiado("[Puntos]", "[Marcador]")),
              InterpretarPartida(BytesPartidaConocida()));
    EXPECT_EQ(InterpretarPartida(Cambiado("E\r\nD\r\n", "E,D\r\n")),
              InterpretarPartida(BytesPartidaConocida()));
    // Blanks around numbers are skipped (the known file has scores without them).
    std::optional<DatosPartida> d = InterpretarPartida(Cambiado("26\r\n0\r\n", " 26 \r\n-3 \r\n"));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Puntos, (std::array<std::string, 2>{"26", "-3"}));

    // The log runs to the end of the file, with or without a final CR LF; a
    // comma splits a log line in two.
    std::string sinFinal = BytesPartidaConocida();
    sinFinal.resize(sinFinal.size() - 2);
    d = InterpretarPartida(sinFinal);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Listado.size(), 9u);
    d = InterpretarPartida(Cambiado("-----Total: 26", "Se suma lo del Ordenador: 5, 6"));
    ASSERT_TRUE(d);
    ASSERT_EQ(d->Listado.size(), 11u);
    EXPECT_EQ(d->Listado[5], "Se suma lo del Ordenador: 5");
    EXPECT_EQ(d->Listado[6], "6");
}

}  // namespace
}  // namespace tablerix
