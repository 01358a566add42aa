// Laying tiles with the mouse: press, move and release on the client area,
// as the player does it, checked on the model and on screen.
#include <QTest>

#include "VentanaDePrueba.h"
#include "game/Arranque.h"

namespace tablerix::prueba {
namespace {

class Colocacion : public VentanaDePrueba {
protected:
    void SetUp() override {
        DisenoInicial(j.Form1);
        j.PartidaEnCurso = true;
        Repartir("ABCDEFG");
        MostrarActiva();
    }

    void Repartir(const char* letras) {
        for (int k = 0; k < kRanuras; ++k) {
            j.Atriles[1][k + 1] = letras[k];
            j.Form1.Label5[k] = {letras[k], true, kColorFicha, true};
        }
        form->Pintar();
    }

    QPoint Centro(QWidget* w) const { return w->geometry().center(); }
    QPoint Casilla(int i) const { return Centro(form->Label1[i]); }
    QPoint Ranura(int k) const { return Centro(form->Label5[k]); }

    void Arrastrar(QPoint desde, QPoint hasta) {
        QTest::mousePress(form->Cliente, Qt::LeftButton, {}, desde);
        QTest::mouseMove(form->Cliente, (desde + hasta) / 2);
        QTest::mouseMove(form->Cliente, hasta);
        QTest::mouseRelease(form->Cliente, Qt::LeftButton, {}, hasta);
    }

    std::string AtrilMostrado() const {
        std::string atril;
        for (int k = 0; k < kRanuras; ++k)
            if (form->Label5[k]->isVisible()) atril += form->Label5[k]->Texto().toStdString();
        return atril;
    }

    void FijarLetra(int casilla, char letra) {
        j.Form1.Label1[casilla].Letra = letra;
        j.Form1.Label1[casilla].ColorLetra = kNegro;
        j.Form1.Label1[casilla].Fondo = kColorFicha;
        j.Tablero[casilla] = letra;
        form->Pintar();
    }
};

TEST_F(Colocacion, RackTileDroppedOnAnEmptySquareLeavesTheRack) {
    Arrastrar(Ranura(2), Casilla(112));
    EXPECT_EQ(j.Form1.Label1[112].Letra, 'C');
    EXPECT_EQ(j.Form1.Label1[112].Marca, '1');
    EXPECT_TRUE(j.Form1.Label1[112].Movible);
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("C"));
    EXPECT_EQ(form->Label1[112]->ColorTexto(), QColor(255, 0, 0));
    EXPECT_EQ(AtrilMostrado(), "ABDEFG");
    EXPECT_FALSE(form->Label5[6]->isVisible());
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
}

TEST_F(Colocacion, DropOnAnOccupiedSquareChangesNothing) {
    FijarLetra(112, 'S');
    Arrastrar(Ranura(0), Casilla(112));
    EXPECT_EQ(j.Form1.Label1[112].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[112].ColorLetra, kNegro);
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("S"));
    EXPECT_EQ(AtrilMostrado(), "ABCDEFG");
}

TEST_F(Colocacion, LaidTileMovesBetweenSquaresAndTheBoardEdgeCounts) {
    Arrastrar(Ranura(0), Casilla(0));
    Arrastrar(Casilla(0), Casilla(224));
    EXPECT_EQ(j.Form1.Label1[0].Letra, ' ');
    EXPECT_FALSE(j.Form1.Label1[0].Movible);
    EXPECT_EQ(j.Form1.Label1[224].Letra, 'A');
    EXPECT_TRUE(j.Form1.Label1[224].Movible);
    EXPECT_EQ(form->Label1[0]->Texto(), QStringLiteral(" "));
}

TEST_F(Colocacion, RightClickReturnsTheTileToTheEndOfTheRack) {
    Arrastrar(Ranura(0), Casilla(112));
    Arrastrar(Ranura(0), Casilla(113));
    EXPECT_EQ(AtrilMostrado(), "CDEFG");
    QTest::mouseClick(form->Cliente, Qt::RightButton, {}, Casilla(112));
    EXPECT_EQ(AtrilMostrado(), "CDEFGA");
    EXPECT_EQ(form->Label5[5]->Texto(), QStringLiteral("A"));
    EXPECT_EQ(j.Form1.Label1[112].Letra, ' ');

    // A fixed tile stays where it is.
    FijarLetra(100, 'Z');
    QTest::mouseClick(form->Cliente, Qt::RightButton, {}, Casilla(100));
    EXPECT_EQ(j.Form1.Label1[100].Letra, 'Z');
    EXPECT_EQ(AtrilMostrado(), "CDEFGA");
}

TEST_F(Colocacion, RackTilesSwapAndDropsElsewhereAreIgnored) {
    Arrastrar(Ranura(0), Ranura(3));
    EXPECT_EQ(AtrilMostrado(), "DBCAEFG");

    Arrastrar(Ranura(1), Centro(form->lstPartida));
    Arrastrar(Ranura(1), QPoint(620, 300) + QPoint(200, 200));  // outside the window
    EXPECT_EQ(AtrilMostrado(), "DBCAEFG");
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);

    // A laid tile does not go back by dropping it on the rack.
    Arrastrar(Ranura(0), Casilla(50));
    Arrastrar(Casilla(50), Ranura(0));
    EXPECT_EQ(j.Form1.Label1[50].Letra, 'D');
    EXPECT_EQ(AtrilMostrado(), "BCAEFG");
}

TEST_F(Colocacion, PressingAFixedTileHidesTheComputersFrameButDragsNothing) {
    FijarLetra(112, 'S');
    j.Form1.shpAzul = {true, {44, 32, 73, 25}};
    form->Pintar();
    ASSERT_TRUE(form->shpAzul->isVisible());
    Arrastrar(Casilla(112), Casilla(113));
    EXPECT_FALSE(form->shpAzul->isVisible());
    EXPECT_EQ(j.Form1.Label1[112].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[113].Letra, ' ');
}

TEST_F(Colocacion, ExchangeModeClicksSelectTilesInsteadOfDragging) {
    for (FichaJugador& ficha : j.Form1.Label5) ficha.Arrastrable = false;
    form->Pintar();
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Ranura(2));
    EXPECT_EQ(j.Form1.Label5[2].Fondo, kMagenta);
    EXPECT_EQ(form->Label5[2]->Fondo(), QColor(255, 0, 255));
    Arrastrar(Ranura(4), Casilla(112));  // selects, does not lay
    EXPECT_EQ(j.Form1.Label1[112].Letra, ' ');
    EXPECT_EQ(j.Form1.Label5[4].Fondo, kMagenta);
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Ranura(2));
    EXPECT_EQ(j.Form1.Label5[2].Fondo, kColorFicha);
}

TEST_F(Colocacion, TakeBackButtonReturnsEveryLaidTile) {
    Arrastrar(Ranura(0), Casilla(112));
    Arrastrar(Ranura(3), Casilla(127));
    form->cmdEscape->click();
    EXPECT_EQ(AtrilMostrado(), "ABCDEFG");
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral(" "));
    EXPECT_EQ(form->Label1[127]->Texto(), QStringLiteral(" "));
    Arrastrar(Casilla(112), Casilla(113));  // nothing left there to drag
    EXPECT_EQ(j.Form1.Label1[113].Letra, ' ');
}

}  // namespace
}  // namespace tablerix::prueba
