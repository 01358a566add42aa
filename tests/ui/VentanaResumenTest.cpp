// "Juego › Resumen de la partida": a row per turn, the small board following
// the row selected, a window that fits the screen at a large size, and the
// report opening by itself at the end only while "Resumen al terminar" is on.
#include <QScreen>
#include <QTemporaryDir>

#include "VentanaDePrueba.h"
#include "game/Arranque.h"
#include "game/Historia.h"
#include "game/Nivel.h"
#include "game/Partida.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/DibujoFicha.h"
#include "ui/Etiqueta.h"
#include "ui/TableroResumen.h"
#include "ui/VentanaResumen.h"

namespace tablerix::prueba {
namespace {

class Resumen : public VentanaDePrueba {
  protected:
    // A dealt game on a short list, the player's CASA on G8 and the computer's answer played.
    void SetUp() override {
        j.Carpeta = carpeta.path().toStdString();  // the ended games' statistics go there
        DisenoInicial(j.Form1);
        LeerPremios(j);
        ConstruirValores(j);
        ConstruirLeyenda(j);
        ElegirNivel(j, 0);
        j.Azar.Sembrar(3);
        j.Lista.CargarDesdeTexto("CASA\r\nCASO\r\nSACO\r\nOSA\r\nASO\r\n");
        NuevaPartida(j);
        MostrarActiva();
        contestador.Siempre = QMessageBox::Ok;  // the computer's words are accepted
        PonerAtril("CASAOLE");
        for (int i = 0; i < 4; ++i) Arrastrar(Ranura(0), Casilla(111 + i));
        QTest::mouseClick(form->cmdOk, Qt::LeftButton);
        ASSERT_EQ(HistoriaDe(j).Turnos.size(), 2u);
    }

    // Ends the game with the player's pass: "Aún quedan fichas", the result, then the report
    // when `conResumen` (one not expected fails the test).
    void TerminarConUnPase(bool conResumen) {
        contestador.Responder(QMessageBox::Ok);
        contestador.Responder(QMessageBox::Ok);
        if (conResumen)
            contestador.Hacer([](QWidget* ventana) {
                auto& v = dynamic_cast<VentanaResumen&>(*ventana);
                EXPECT_FALSE(v.lblResultado->Texto().endsWith(QStringLiteral("en curso")));
                v.reject();
            });
        j.Posicion.PasesSeguidos = 1;
        QTest::mouseClick(form->cmdPasar, Qt::LeftButton);
        EXPECT_FALSE(j.Posicion.PartidaEnCurso);
    }

    QTemporaryDir carpeta;
};

TEST_F(Resumen, ARowPerTurnTheBoardFollowsTheRowAndTheWindowFitsAtALargeSize) {
    form->PonerTamano(200);
    contestador.Hacer([](QWidget* ventana) {
        auto& v = dynamic_cast<VentanaResumen&>(*ventana);
        const QRect pantalla = v.screen()->availableGeometry();
        EXPECT_TRUE(pantalla.contains(v.frameGeometry()))
            << v.frameGeometry().width() << "x" << v.frameGeometry().height();
        ASSERT_EQ(v.lstTurnos->topLevelItemCount(), 2);
        QTreeWidgetItem* primera = v.lstTurnos->topLevelItem(0);
        EXPECT_EQ(v.lstTurnos->currentItem(), primera);
        EXPECT_EQ(primera->text(1), QStringLiteral("Jugador"));
        EXPECT_EQ(primera->text(2), QStringLiteral("CASA G8 →"));
        EXPECT_EQ(v.lstTurnos->topLevelItem(1)->text(1), QStringLiteral("Ordenador"));
        EXPECT_TRUE(v.lblResultado->Texto().endsWith(QStringLiteral("en curso")));
        EXPECT_TRUE(v.lblTotales[0]->Texto().startsWith(QStringLiteral("Jugador: ")));

        // The CASA just played is told from the board's squares and tiles; on the next row
        // it is fixed.
        EtiquetaFicha& c = *v.Tablero->Casillas[111];
        EXPECT_EQ(c.Texto(), QStringLiteral("C"));
        EXPECT_NE(c.Fondo(), v.Tablero->Casillas[1]->Fondo());
        EXPECT_NE(c.Fondo(), AQColor(kColorFicha));
        v.lstTurnos->setCurrentItem(v.lstTurnos->topLevelItem(1));
        EXPECT_EQ(c.Texto(), QStringLiteral("C"));
        EXPECT_EQ(c.Fondo(), AQColor(kColorFicha));
        v.cmdCerrar->click();
    });
    ASSERT_TRUE(form->MnuResumen->isEnabled());
    form->MnuResumen->trigger();
}

TEST_F(Resumen, OpensByItselfAtTheEndOnlyWhileTheSwitchIsOn) {
    form->MnuResumenAlTerminar->setChecked(false);
    EXPECT_FALSE(LeerAjuste("Ver/ResumenAlTerminar", true).toBool());
    contestador.Siempre = QMessageBox::NoButton;
    TerminarConUnPase(false);
    form->MnuDeshacerJugada->trigger();
    form->MnuResumenAlTerminar->setChecked(true);
    TerminarConUnPase(true);
}

}  // namespace
}  // namespace tablerix::prueba
