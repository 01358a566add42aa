#include "game/Nivel.h"

#include <gtest/gtest.h>

#include "JuegoDePrueba.h"

namespace tablerix {
namespace {

TEST(Nivel, CadaEntradaTieneSuPasoYSuTitulo) {
    JuegoDePrueba t;
    Juego& j = t.J;
    const int pasos[8] = {1, 2, 3, 5, 7, 9, 11, 13};
    for (int i = 0; i < 8; ++i) {
        ElegirNivel(j, i);
        EXPECT_EQ(j.PasoBusqueda, pasos[i]);
        EXPECT_EQ(j.Form1.Label6, Txt(kNiveles[i].Titulo));
        for (int k = 0; k < 8; ++k) EXPECT_EQ(j.Form1.MnuNiv[k], k == i);
        EXPECT_EQ(NivelDePaso(pasos[i]), i);
    }
    ElegirNivel(j, 2);
    EXPECT_EQ(j.Form1.Label6, "Tel\xE9" "fono m\xF3vil");
    EXPECT_EQ(std::string(kNiveles[0].Titulo), "Deep Blue");
    EXPECT_EQ(std::string(kNiveles[7].Titulo), "Tostadora");
}

TEST(Nivel, LoQueNoEsUnNivelNoCambiaNada) {
    JuegoDePrueba t;
    Juego& j = t.J;
    ElegirNivel(j, 6);
    ElegirNivel(j, 8);
    ElegirNivel(j, -1);
    EXPECT_EQ(j.PasoBusqueda, 11);
    EXPECT_EQ(j.Form1.Label6, "Tragaperras");
    EXPECT_EQ(NivelDePaso(4), -1);
    EXPECT_EQ(NivelDePaso(0), -1);
}

}  // namespace
}  // namespace tablerix
