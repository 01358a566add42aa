#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Partida.h"

namespace tablerix {
namespace {

// The scenarios deal, draw and run the bag dry; here a damaged count (five
// tiles counted, every slot empty) must not keep the draw looking for one.
TEST(RobarFichas, UnaCuentaDanadaNoDejaLaRobaBuscando) {
    JuegoDePrueba t;
    prueba::DarAtril(t.J, kTurnoJugador, "");
    t.J.Posicion.Bolsa.fill(kSinFicha);
    t.J.Posicion.FichasEnBolsa = 5;
    RobarFichas(t.J, kTurnoJugador);
    EXPECT_EQ(prueba::Atril(t.J, kTurnoJugador), ".......");
    EXPECT_EQ(t.J.Form1.Label7, "5");
}

// A draw picks a slot: the fill order is part of every game dealt from a seed.
TEST(LlenarBolsa, LasFichasVanEnElOrdenDeSiempre) {
    JuegoDePrueba t;
    LlenarBolsa(t.J);
    EXPECT_EQ(
        std::string(t.J.Posicion.Bolsa.begin() + 1, t.J.Posicion.Bolsa.end()),
        Txt("AAAAAAAAAAAABBCCCCDDDDDEEEEEEEEEEEEFGGHHIIIIIIJKLLLLMMNNNNNOOOOOOOOOPPQRRRRRSSSSSS"
            "TTTTUUUUUVÑXYZ****"));
}

}  // namespace
}  // namespace tablerix
