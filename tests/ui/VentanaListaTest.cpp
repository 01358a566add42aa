// The word-list window: queries as the player types, words taught, removed
// and given back, disabled while the game is busy, at the chosen size.
#include <QScreen>

#include "VentanaDePrueba.h"
#include "game/Arranque.h"
#include "ui/VentanaLista.h"

namespace tablerix::prueba {
namespace {

class Lista : public VentanaDePrueba {
  protected:
    void SetUp() override {
        ConstruirValores(j);
        j.Lista.CargarDesdeTexto("CASA\r\nCASO\r\nOSA\r\nSACO\r\n");
        MostrarActiva();
        form->MnuLista->trigger();
        lista = form->Lista;
        ASSERT_NE(lista, nullptr);
    }

    QStringList Filas() const {
        QStringList filas;
        for (int i = 0; i < lista->lstPalabras->topLevelItemCount(); ++i)
            filas << lista->lstPalabras->topLevelItem(i)->text(0) + " " +
                         lista->lstPalabras->topLevelItem(i)->text(1);
        return filas;
    }

    VentanaLista* lista = nullptr;
};

TEST_F(Lista, QueriesFollowTheTextTheModeAndTheList) {
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->windowTitle(), QStringLiteral("Lista de palabras"));
    QTest::keyClicks(lista->txtPalabra, QStringLiteral("casas"));
    EXPECT_EQ(lista->lblRespuesta->text(), QStringLiteral("CASAS no está en la lista."));
    EXPECT_EQ(lista->lstPalabras->currentItem()->text(0), QStringLiteral("CASAS   (no está)"));

    lista->optFichas->click();
    lista->txtPalabra->setText(QStringLiteral("oc?s"));
    EXPECT_EQ(Filas(), QStringList({"CASO 6", "SACO 6", "OSA 3"}));
    EXPECT_EQ(lista->lblRespuesta->text(), QStringLiteral("3 palabras."));
    lista->chkTodas->click();
    EXPECT_EQ(Filas(), QStringList({"CASO 6", "SACO 6"}));
    for (const QString& ajeno : {QStringLiteral("ocw"), QStringLiteral("oc\u0142")}) {
        lista->txtPalabra->setText(ajeno);
        EXPECT_EQ(lista->lblRespuesta->text(),
                  QStringLiteral("No hay ninguna ficha con \"%1\".").arg(ajeno.back()));
        EXPECT_TRUE(Filas().isEmpty());
    }

    // Taught, found, listed as a change and given back.
    lista->optBuscar->click();
    lista->txtPalabra->setText(QStringLiteral("Sacos"));
    QTest::mouseClick(lista->cmdAnadir, Qt::LeftButton);
    EXPECT_EQ(lista->lblRespuesta->text(), QStringLiteral("SACOS está en la lista."));
    lista->cmdCambios->click();
    ASSERT_EQ(lista->lstCambios->topLevelItemCount(), 1);
    EXPECT_EQ(lista->lstCambios->topLevelItem(0)->text(1), QStringLiteral("SACOS"));
    auto* deshacer = static_cast<QPushButton*>(
        lista->lstCambios->itemWidget(lista->lstCambios->topLevelItem(0), 2));
    QTest::mouseClick(deshacer, Qt::LeftButton);
    EXPECT_EQ(lista->lstCambios->topLevelItemCount(), 0);
    EXPECT_FALSE(j.Lista.ExistePalabra("SACOS"));
    EXPECT_TRUE(j.Lista.DiccionarioModificado);
}

TEST_F(Lista, DisabledWhileAQuestionIsOpenOrTheComputerPlaysAndDrawnAtTheChosenSize) {
    bool habilitadaConCaja = true;
    contestador.Hacer([&](QWidget* caja) {
        habilitadaConCaja = lista->isEnabled();
        static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok)->click();
    });
    lista->txtPalabra->setText(QStringLiteral("ajeno"));
    QTest::mouseClick(lista->cmdQuitar, Qt::LeftButton);
    EXPECT_FALSE(habilitadaConCaja);
    EXPECT_TRUE(lista->isEnabled());
    j.Form1.Habilitada = false;  // as the computer's turn leaves it
    form->Pintar();
    EXPECT_FALSE(lista->isEnabled());
    j.Form1.Habilitada = true;
    form->Pintar();

    const QRect pantalla = lista->screen()->availableGeometry();
    for (const int porcentaje : {100, 200, 300}) {
        SCOPED_TRACE(porcentaje);
        form->PonerTamano(porcentaje);
        EXPECT_EQ(lista->width(), 3 * porcentaje);
        EXPECT_EQ(lista->txtPalabra->geometry(), Escalar(QRect(8, 8, 284, 24)));
        // 420 design pixels high: at 300 % the words' list gives up rows to fit.
        EXPECT_GE(lista->frameGeometry().top(), pantalla.top());
        EXPECT_LE(lista->frameGeometry().bottom(), pantalla.bottom());
        EXPECT_GE(lista->lstPalabras->height(), Escalar(80));
    }
}

}  // namespace
}  // namespace tablerix::prueba
