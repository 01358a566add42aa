#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Posicion.h"

namespace tablerix {
namespace {

// A position taken between turns comes back whole after the game has moved on:
// the board and its blanks, racks, bag, scores, log, level, status and the
// random sequence.
TEST(Posicion, RestaurarDevuelveLaPartidaYLaVentanaComoSeCapturaron) {
    JuegoDePrueba t;
    Juego& j = t.J;
    t.Fijar(110, "CASA");
    j.Form1.Label1[112].Blanco = true;
    AgregarLinea(j, "CASA");
    ElegirNivel(j, 0);
    const Posicion p = CapturarPosicion(j);
    const ModeloVentana vista = j.Form1;

    ElegirNivel(j, 5);
    NuevaPartida(j);
    j.Form1.shpRojo.Visible = true;
    j.Form1.AltoPartida = kAltoPartidaCorto;
    ASSERT_NE(CapturarPosicion(j), p);

    RestaurarPosicion(j, p);
    EXPECT_EQ(j.Form1, vista);
    EXPECT_EQ(CapturarPosicion(j), p);
}

}  // namespace
}  // namespace tablerix
