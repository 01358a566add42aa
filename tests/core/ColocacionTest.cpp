#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Colocacion.h"

namespace tablerix {
namespace {

// The ordinary drags, drops and take-backs are the placement scenarios'; here
// the drops that must do nothing, the odd tiles and the exchange selection.
class Colocacion : public ::testing::Test {
  protected:
    JuegoDePrueba t;
    Juego& j = t.J;
    ModeloVentana& f = j.Form1;

    void SetUp() override {
        prueba::DarAtril(j, kTurnoJugador, "ABCDEFG");
        t.Fijar(112, 'Z');
    }
    void DeAtrilACasilla(int ranura, int casilla) {
        EmpezarArrastreAtril(j, ranura);
        SoltarEnCasilla(j, casilla);
    }
};

TEST_F(Colocacion, LoQueNoSePuedeArrastrarOSoltarNoCambiaNada) {
    f.shpAzul.Visible = true;
    DeAtrilACasilla(6, 0);
    EXPECT_FALSE(f.shpAzul.Visible);  // any drag hides the computer's frame
    DeAtrilACasilla(0, 100);
    // An empty square, a hidden slot, indexes off the rack or the board.
    EmpezarArrastreCasilla(j, 113);
    EmpezarArrastreAtril(j, 6);
    for (int malo : {-1, 7, 1000}) EmpezarArrastreAtril(j, malo);
    for (int malo : {-1, 225, 1000}) EmpezarArrastreCasilla(j, malo);
    EXPECT_EQ(j.Jugada.FichaArrastrada.Indice, -1);
    // A drop without a drag, outside, off the board or rack; a laid tile onto another or onto the
    // rack.
    EmpezarArrastreAtril(j, 3);
    SoltarFuera(j);
    SoltarEnCasilla(j, 5);
    SoltarEnAtril(j, 0);
    DeAtrilACasilla(0, 225);
    EmpezarArrastreAtril(j, 0);
    SoltarEnAtril(j, -3);
    EmpezarArrastreCasilla(j, 0);
    SoltarEnCasilla(j, 100);
    EmpezarArrastreCasilla(j, 100);
    SoltarEnAtril(j, 0);
    // Neither the left button, nor a fixed tile, nor a square off the board takes back.
    PulsarCasilla(j, 100, false);
    PulsarCasilla(j, 112, true);
    PulsarCasilla(j, 500, true);
    EXPECT_EQ(j.Jugada.FichaArrastrada.Indice, -1);
    EXPECT_EQ(f.Label1[5].Letra, kCasillaVacia);
    EXPECT_EQ((std::string{f.Label1[0].Letra, f.Label1[100].Letra, f.Label1[112].Letra}), "GAZ");
    EXPECT_EQ(prueba::Mostrado(j), "BCDEF..");
}

TEST_F(Colocacion, ElBotonDerechoConFichasRaras) {
    // A movable tile that did not come from the rack (an opening recommendation)
    // with the rack full: there is nowhere to put it.
    f.Label1[60] = {'Q', kRojo, '1', true, f.Label1[60].Fondo};
    PulsarCasilla(j, 60, true);
    EXPECT_EQ(f.Label1[60].Letra, 'Q');
    EXPECT_EQ(prueba::Mostrado(j), "ABCDEFG");
    // A blank given a letter in a check that was not fixed goes back as a blank.
    prueba::DarAtril(j, kTurnoJugador, "*BCDEFG");
    DeAtrilACasilla(0, 61);
    f.Label1[61].Letra = 'E';
    f.Label1[61].Marca = '3';
    PulsarCasilla(j, 61, true);
    EXPECT_EQ(prueba::Mostrado(j), "BCDEFG*");
}

TEST_F(Colocacion, DeshacerDejaElAtrilListoParaJugar) {
    DeAtrilACasilla(0, 111);
    f.Label5[2].Fondo = kMagenta;
    f.Label5[3].Arrastrable = false;
    f.shpAzul.Visible = true;
    HabilitarVentana(j, false);
    Deshacer(j);
    EXPECT_FALSE(f.shpAzul.Visible);
    EXPECT_EQ(f.Label1[111], Casilla{});
    EXPECT_EQ(f.Label1[112].Letra, 'Z');  // fixed tiles stay
    EXPECT_EQ(f.Label5, prueba::EnReposo("ABCDEFG"));
    EXPECT_TRUE(f.Habilitada && t.Ventana.Habilitada);
    // The rack shrank (empty bag) while the display still showed seven slots:
    // the empty ones are hidden and never dragged.
    j.Posicion.Atriles[kTurnoJugador][6] = j.Posicion.Atriles[kTurnoJugador][7] = kSinFicha;
    Deshacer(j);
    EXPECT_EQ(prueba::Mostrado(j), "ABCDE..");
    f.Label5[6].Visible = true;
    EmpezarArrastreAtril(j, 6);
    EXPECT_EQ(j.Jugada.FichaArrastrada.Indice, -1);
    // With no game on, it only hides the frame.
    DeAtrilACasilla(0, 60);
    j.Posicion.PartidaEnCurso = false;
    f.shpAzul.Visible = true;
    Deshacer(j);
    EXPECT_FALSE(f.shpAzul.Visible);
    EXPECT_EQ(f.Label1[60].Letra, 'A');
}

}  // namespace
}  // namespace tablerix
