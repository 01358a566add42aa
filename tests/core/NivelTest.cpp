#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Nivel.h"

namespace tablerix {
namespace {

// The menu entries themselves are the scenario's; here the stride read back
// from a saved game and what is not a level.
TEST(Nivel, ElPasoDaSuNivelYLoQueNoEsUnNivelNoCambiaNada) {
    const int pasos[8] = {1, 2, 3, 5, 7, 9, 11, 13};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(NivelDePaso(pasos[i]), i);
    EXPECT_EQ(NivelDePaso(4), -1);
    EXPECT_EQ(NivelDePaso(0), -1);

    JuegoDePrueba t;
    ElegirNivel(t.J, 6);
    ElegirNivel(t.J, 8);
    ElegirNivel(t.J, -1);
    EXPECT_EQ(t.J.PasoBusqueda, 11);
    EXPECT_EQ(t.J.Form1.Label6, "Tragaperras");
    EXPECT_EQ(t.J.Form1.MnuNiv,
              (std::array<bool, 8>{false, false, false, false, false, false, true}));
}

}  // namespace
}  // namespace tablerix
