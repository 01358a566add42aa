// Laying tiles with the mouse: press, move and release on the client area,
// as the player does it, checked on the model and on screen.
#include "VentanaDePrueba.h"
#include "game/Arranque.h"
#include "ui/FlechaCursor.h"

namespace tablerix::prueba {
namespace {

class Colocacion : public VentanaDePrueba {
  protected:
    void SetUp() override {
        DisenoInicial(j.Form1);
        j.Posicion.PartidaEnCurso = true;
        PonerAtril("ABCDEFG");
        MostrarActiva();
    }

    void FijarLetra(int casilla, char letra) {
        j.Form1.Label1[casilla] = {letra, kNegro, '0', false, kColorFicha};
        j.Posicion.Tablero[casilla] = letra;
        form->Pintar();
    }
};

TEST_F(Colocacion, DragsLaySwapAndMoveTilesAndADropOnAnOccupiedSquareChangesNothing) {
    Arrastrar(Ranura(0), Ranura(3));
    EXPECT_EQ(AtrilMostrado(), "DBCAEFG");
    Arrastrar(Ranura(1), form->lstPartida->geometry().center());
    Arrastrar(Ranura(1), QPoint(820, 500));  // outside the window
    EXPECT_EQ(AtrilMostrado(), "DBCAEFG");

    Arrastrar(Ranura(2), Casilla(112));
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("C"));
    EXPECT_EQ(form->Label1[112]->ColorTexto(), QColor(255, 0, 0));
    EXPECT_EQ(AtrilMostrado(), "DBAEFG");

    FijarLetra(100, 'S');
    Arrastrar(Ranura(0), Casilla(100));
    EXPECT_EQ(form->Label1[100]->Texto(), QStringLiteral("S"));
    EXPECT_EQ(form->Label1[100]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(AtrilMostrado(), "DBAEFG");

    // The squares at the board's corners are hit too.
    Arrastrar(Casilla(112), Casilla(224));
    Arrastrar(Casilla(224), Casilla(0));
    EXPECT_EQ(form->Label1[0]->Texto(), QStringLiteral("C"));
    EXPECT_EQ(form->Label1[224]->Texto(), QStringLiteral(" "));

    // Pressing a fixed tile hides the computer's frame but drags nothing.
    j.Form1.shpAzul = {true, {44, 32, 73, 25}};
    form->Pintar();
    Arrastrar(Casilla(100), Casilla(101));
    EXPECT_FALSE(form->shpAzul->isVisible());
    EXPECT_EQ(j.Form1.Label1[101].Letra, ' ');
}

TEST_F(Colocacion, RightClickReturnsTheTileToTheEndOfTheRackAtEverySize) {
    for (const int veces : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << veces * 100 << " %");
        form->PonerTamano(100 * veces);
        PonerAtril("ABCDEFG");
        // The floating tile is a tile of the window's size under the pointer.
        QTest::mousePress(form->Cliente, Qt::LeftButton, {}, Ranura(0));
        QTest::mouseMove(form->Cliente, Casilla(112));
        const auto* flotante = form->Cliente->findChild<Etiqueta*>(QStringLiteral("fichaFlotante"));
        EXPECT_EQ(flotante->size(), QSize(25, 25) * veces);
        EXPECT_TRUE(flotante->geometry().contains(Casilla(112)));
        QTest::mouseRelease(form->Cliente, Qt::LeftButton, {}, Casilla(112));

        Arrastrar(Ranura(0), Casilla(113));
        QTest::mouseClick(form->Cliente, Qt::RightButton, {}, Casilla(112));
        EXPECT_EQ(AtrilMostrado(), "CDEFGA");
        EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral(" "));
        EXPECT_EQ(form->Label1[113]->Texto(), QStringLiteral("B"));
        form->cmdEscape->click();
    }
}

TEST_F(Colocacion, UndoTakesBackEveryTileAndExchangeClicksSelectInsteadOfDragging) {
    Arrastrar(Ranura(0), Casilla(112));
    Arrastrar(Ranura(3), Casilla(127));
    form->cmdEscape->click();
    EXPECT_EQ(AtrilMostrado(), "ABCDEFG");
    EXPECT_EQ(form->Label1[127]->Texto(), QStringLiteral(" "));

    for (FichaJugador& ficha : j.Form1.Label5) ficha.Arrastrable = false;
    form->Pintar();
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Ranura(2));
    EXPECT_EQ(form->Label5[2]->Fondo(), QColor(255, 0, 255));
    Arrastrar(Ranura(4), Casilla(112));
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral(" "));
}

TEST_F(Colocacion, KeysTypeFromTheClickedSquareAlongTheDrawnArrowAtTheWindowsSize) {
    form->PonerTamano(200);
    FijarLetra(114, 'S');
    FlechaCursor& flecha = *form->Cursor;
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Casilla(112));
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Casilla(112));
    EXPECT_TRUE(flecha.Abajo());
    QTest::mouseClick(form->Cliente, Qt::LeftButton, {}, Casilla(112));
    EXPECT_FALSE(flecha.Abajo());
    // The focused button must not take the keys first.
    QTest::keyClick(form->focusWidget(), Qt::Key_B);
    QTest::sendKeyEvent(QTest::Click, form->focusWidget(), Qt::Key_Aacute, QStringLiteral("\u00E1"),
                        Qt::NoModifier);
    EXPECT_EQ(form->Label1[112]->Texto() + form->Label1[113]->Texto(), QStringLiteral("BA"));
    EXPECT_EQ(flecha.geometry(), form->Label1[115]->geometry());  // past the fixed S
    EXPECT_TRUE(flecha.isVisible());
    EXPECT_EQ(flecha.grab().toImage().pixelColor(flecha.rect().center()), QColor(0, 0, 128));

    QTest::keyClick(form->focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(AtrilMostrado(), "CDEFGA");
    EXPECT_EQ(flecha.geometry(), form->Label1[113]->geometry());
    QTest::keyClick(form->focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral(" "));
    EXPECT_EQ(flecha.geometry(), form->Label1[112]->geometry());
}

}  // namespace
}  // namespace tablerix::prueba
