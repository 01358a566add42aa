#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "game/Posicion.h"

namespace tablerix {
namespace {

using prueba::DarAtril;

// A position taken between turns comes back whole after the game has moved on:
// both sides' blanks, racks, scores, log, level, status and the random sequence.
TEST(Posicion, RestaurarDevuelveLaPartidaYLaVentanaComoSeCapturaron) {
    JuegoDePrueba t({"CASA", "CASAS"});
    Juego& j = t.J;
    ElegirNivel(j, 0);
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    t.Ventana.Letras = {'S'};
    DarAtril(j, kTurnoJugador, "CA*ALEN");
    DarAtril(j, kTurnoOrdenador, "*EIOUTR");
    for (int k = 0; k < 4; ++k) {
        Atril_EmpezarArrastre(j, 0);
        Casilla_Soltar(j, 110 + k);
    }
    cmdOk_Click(j);
    const Posicion p = CapturarPosicion(j);
    const ModeloVentana vista = j.Form1;
    ASSERT_TRUE(vista.Label1[112].Blanco && vista.Label1[114].Blanco);

    ElegirNivel(j, 5);
    NuevaPartida(j);
    j.Form1.shpRojo.Visible = true;
    ASSERT_NE(CapturarPosicion(j), p);

    RestaurarPosicion(j, p);
    EXPECT_EQ(j.Form1, vista);
    EXPECT_EQ(CapturarPosicion(j), p);
}

}  // namespace
}  // namespace tablerix
