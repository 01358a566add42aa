// The bytes of Tablerix.ini as we write them.
#include <gtest/gtest.h>

#include "PartidaConocida.h"
#include "savegame/EscrituraPartida.h"

namespace tablerix {
namespace {

using prueba::BytesPartidaConocida;
using prueba::PartidaConocida;

TEST(EscrituraPartida, EscribeLaDisposicionExacta) {
    EXPECT_EQ(FormatearPartida(PartidaConocida()), BytesPartidaConocida());
}

TEST(EscrituraPartida, NumerosConUnBlancoDelanteYDetras) {
    EXPECT_EQ(NumeroEnArchivo(86), " 86 ");
    EXPECT_EQ(NumeroEnArchivo(0), " 0 ");
    EXPECT_EQ(NumeroEnArchivo(-5), "-5 ");
}

}  // namespace
}  // namespace tablerix
