#include "game/Colocacion.h"

#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Mensajes.h"

namespace tablerix {
namespace {

class Colocacion : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;
    ModeloVentana& f = j.Form1;

    void SetUp() override {
        const char* atril = "ABCDEFG";
        for (int k = 1; k <= kRanuras; ++k) j.Atriles[1][k] = atril[k - 1];
        Deshacer(j);
    }

    // The letters of the visible rack slots; hidden slots must all come after.
    std::string Atril() const {
        std::string s;
        bool oculta = false;
        for (const FichaJugador& r : f.Label5) {
            if (!r.Visible) {
                oculta = true;
                continue;
            }
            EXPECT_FALSE(oculta) << "a visible slot after a hidden one";
            s += r.Letra;
        }
        return s;
    }

    void DeAtrilACasilla(int ranura, int casilla) {
        EmpezarArrastreAtril(j, ranura);
        SoltarEnCasilla(j, casilla);
    }
    void DeCasillaACasilla(int desde, int hasta) {
        EmpezarArrastreCasilla(j, desde);
        SoltarEnCasilla(j, hasta);
    }
};

TEST_F(Colocacion, UnaFichaDelAtrilPasaALaCasillaYElAtrilSeCierra) {
    f.shpAzul.Visible = true;
    EmpezarArrastreAtril(j, 2);
    EXPECT_FALSE(f.shpAzul.Visible);
    SoltarEnCasilla(j, 40);
    EXPECT_EQ(f.Label1[40].Letra, 'C');
    EXPECT_EQ(f.Label1[40].Marca, '1');
    EXPECT_TRUE(f.Label1[40].Movible);
    EXPECT_EQ(f.Label1[40].ColorLetra, kRojo);
    EXPECT_EQ(Atril(), "ABDEFG");
    EXPECT_FALSE(f.Label5[6].Visible);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);

    DeAtrilACasilla(5, 41);  // the last visible slot
    EXPECT_EQ(f.Label1[41].Letra, 'G');
    EXPECT_EQ(Atril(), "ABDEF");
    // The rack itself is untouched until the move is fixed.
    EXPECT_EQ(j.Atriles[1][3], 'C');
}

TEST_F(Colocacion, UnaCasillaOcupadaNoAdmiteFichas) {
    t.Fijar(112, 'Z');
    DeAtrilACasilla(0, 112);
    EXPECT_EQ(f.Label1[112].Letra, 'Z');
    EXPECT_EQ(f.Label1[112].Marca, '0');
    EXPECT_EQ(Atril(), "ABCDEFG");
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);

    DeAtrilACasilla(0, 50);
    DeAtrilACasilla(0, 50);
    EXPECT_EQ(f.Label1[50].Letra, 'A');
    EXPECT_EQ(Atril(), "BCDEFG");
}

TEST_F(Colocacion, UnaFichaPuestaSeMueveACualquierCasillaVacia) {
    DeAtrilACasilla(0, 0);
    DeCasillaACasilla(0, 224);
    EXPECT_EQ(f.Label1[224].Letra, 'A');
    EXPECT_TRUE(f.Label1[224].Movible);
    EXPECT_EQ(f.Label1[224].Marca, '1');
    EXPECT_EQ(f.Label1[0].Letra, kCasillaVacia);
    EXPECT_EQ(f.Label1[0].Marca, '0');
    EXPECT_FALSE(f.Label1[0].Movible);

    // Onto itself or onto another tile: nothing moves.
    DeAtrilACasilla(0, 100);
    DeCasillaACasilla(224, 224);
    DeCasillaACasilla(224, 100);
    EXPECT_EQ(f.Label1[224].Letra, 'A');
    EXPECT_EQ(f.Label1[100].Letra, 'B');
}

TEST_F(Colocacion, SoloSeArrastraLoQueSePuede) {
    t.Fijar(112, 'Z');
    EmpezarArrastreCasilla(j, 112);  // fixed
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    EmpezarArrastreCasilla(j, 113);  // empty
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    DeAtrilACasilla(6, 0);
    EmpezarArrastreAtril(j, 6);  // now hidden
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    for (int malo : {-1, 7, 1000}) EmpezarArrastreAtril(j, malo);
    for (int malo : {-1, 225, 1000}) EmpezarArrastreCasilla(j, malo);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);

    // A drop without a drag, outside, or on nothing, changes nothing.
    EmpezarArrastreAtril(j, 3);
    SoltarFuera(j);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    SoltarEnCasilla(j, 5);
    SoltarEnAtril(j, 0);
    EmpezarArrastreAtril(j, 0);
    SoltarEnCasilla(j, 225);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    EmpezarArrastreAtril(j, 0);
    SoltarEnAtril(j, -3);
    EXPECT_EQ(f.Label1[5].Letra, kCasillaVacia);
    EXPECT_EQ(Atril(), "ABCDEF");
}

TEST_F(Colocacion, EnElAtrilSeIntercambianLetras) {
    EmpezarArrastreAtril(j, 0);
    SoltarEnAtril(j, 5);
    EXPECT_EQ(Atril(), "FBCDEAG");
    EmpezarArrastreAtril(j, 2);
    SoltarEnAtril(j, 2);
    EXPECT_EQ(Atril(), "FBCDEAG");

    // A board tile does not go back by dropping it on the rack.
    DeAtrilACasilla(0, 60);
    EmpezarArrastreCasilla(j, 60);
    SoltarEnAtril(j, 0);
    EXPECT_EQ(f.Label1[60].Letra, 'F');
    EXPECT_EQ(Atril(), "BCDEAG");
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
}

TEST_F(Colocacion, ElBotonDerechoDevuelveLaFichaAlFinal) {
    DeAtrilACasilla(0, 60);
    DeAtrilACasilla(0, 61);
    EXPECT_EQ(Atril(), "CDEFG");
    f.shpAzul.Visible = true;
    PulsarCasilla(j, 60, true);
    EXPECT_FALSE(f.shpAzul.Visible);
    EXPECT_EQ(Atril(), "CDEFGA");
    EXPECT_EQ(f.Label1[60].Letra, kCasillaVacia);
    EXPECT_EQ(f.Label1[60].Marca, '0');
    EXPECT_FALSE(f.Label1[60].Movible);
    // Once emptied it is no longer the player's to take back.
    PulsarCasilla(j, 60, true);
    EXPECT_EQ(Atril(), "CDEFGA");

    PulsarCasilla(j, 61, false);  // left button: nothing
    EXPECT_EQ(f.Label1[61].Letra, 'B');

    t.Fijar(112, 'Z');
    PulsarCasilla(j, 112, true);
    EXPECT_EQ(f.Label1[112].Letra, 'Z');
    PulsarCasilla(j, 500, true);
    EXPECT_EQ(Atril(), "CDEFGA");
}

TEST_F(Colocacion, ConElAtrilLlenoNoHayDondeDevolver) {
    // A movable tile that did not come from the rack (an opening recommendation).
    f.Label1[60] = {'Q', kRojo, '1', true, f.Label1[60].Fondo};
    PulsarCasilla(j, 60, true);
    EXPECT_EQ(f.Label1[60].Letra, 'Q');
    EXPECT_EQ(Atril(), "ABCDEFG");
}

TEST_F(Colocacion, UnBlancoVuelveComoBlanco) {
    j.Atriles[1][1] = kBlanco;
    Deshacer(j);
    DeAtrilACasilla(0, 60);
    f.Label1[60].Letra = 'E';  // given a letter in a check that was not fixed
    f.Label1[60].Marca = '3';
    PulsarCasilla(j, 60, true);
    EXPECT_EQ(Atril(), "BCDEFG*");
}

TEST_F(Colocacion, DeshacerDevuelveElAtrilYLimpiaLoPuesto) {
    t.Fijar(112, 'Z');
    DeAtrilACasilla(0, 111);
    DeAtrilACasilla(0, 113);
    DeCasillaACasilla(113, 127);
    f.Label5[2].Fondo = kMagenta;
    f.shpAzul.Visible = true;
    PonerEstado(j, "Estoy pensando mi jugada. Espera...", '2');
    HabilitarVentana(j, false);

    Deshacer(j);
    EXPECT_FALSE(f.shpAzul.Visible);
    for (int q : {111, 113, 127}) {
        EXPECT_EQ(f.Label1[q].Letra, kCasillaVacia);
        EXPECT_FALSE(f.Label1[q].Movible);
        EXPECT_EQ(f.Label1[q].Marca, '0');
    }
    EXPECT_EQ(f.Label1[112].Letra, 'Z');  // fixed tiles stay
    EXPECT_EQ(Atril(), "ABCDEFG");
    for (const FichaJugador& r : f.Label5) {
        EXPECT_EQ(r.Fondo, kColorFicha);
        EXPECT_TRUE(r.Arrastrable);
    }
    EXPECT_EQ(f.Label9, "Es tu turno.");
    EXPECT_EQ(f.ModoLabel9, '0');
    EXPECT_TRUE(f.Habilitada);
    EXPECT_TRUE(t.Ventana.Habilitada);

    // Nothing left to drag or take back.
    EmpezarArrastreCasilla(j, 111);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    PulsarCasilla(j, 127, true);
    EXPECT_EQ(Atril(), "ABCDEFG");
}

TEST_F(Colocacion, DeshacerNoMuestraHuecosDelAtril) {
    // The rack shrank (empty bag) while the display still shows seven slots.
    j.Atriles[1][6] = kSinFicha;
    j.Atriles[1][7] = kSinFicha;
    Deshacer(j);
    EXPECT_EQ(Atril(), "ABCDE");
    // A slot without a tile is never dragged.
    f.Label5[6].Visible = true;
    EmpezarArrastreAtril(j, 6);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
}

TEST_F(Colocacion, SinPartidaDeshacerSoloOcultaElMarcoAzul) {
    DeAtrilACasilla(0, 60);
    j.PartidaEnCurso = false;
    f.shpAzul.Visible = true;
    Deshacer(j);
    EXPECT_FALSE(f.shpAzul.Visible);
    EXPECT_EQ(f.Label1[60].Letra, 'A');
    EXPECT_EQ(Atril(), "BCDEFG");
}

TEST_F(Colocacion, SeleccionParaCambiar) {
    // Outside exchange mode the slots drag: a click selects nothing.
    PulsarAtril(j, 1);
    EXPECT_EQ(f.Label5[1].Fondo, kColorFicha);

    for (FichaJugador& r : f.Label5) r.Arrastrable = false;
    PulsarAtril(j, 1);
    EXPECT_EQ(f.Label5[1].Fondo, kMagenta);
    PulsarAtril(j, 1);
    EXPECT_EQ(f.Label5[1].Fondo, kColorFicha);
    f.Label5[2].Fondo = kAzul;  // any other colour goes back to yellow
    PulsarAtril(j, 2);
    EXPECT_EQ(f.Label5[2].Fondo, kColorFicha);
    PulsarAtril(j, 7);
    PulsarAtril(j, -1);

    j.PartidaEnCurso = false;
    PulsarAtril(j, 1);
    EXPECT_EQ(f.Label5[1].Fondo, kColorFicha);

    // Ending exchange mode.
    j.PartidaEnCurso = true;
    PulsarAtril(j, 4);
    Deshacer(j);
    EXPECT_EQ(f.Label5[4].Fondo, kColorFicha);
    EXPECT_TRUE(f.Label5[4].Arrastrable);
}

}  // namespace
}  // namespace tablerix
