// The real start-up and turns played through the window, with a small word
// list in a folder of the test's own.
#include <QFile>
#include <QTemporaryDir>

#include "VentanaDePrueba.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"
#include "ui/VistaPrevia.h"

namespace tablerix::prueba {
namespace {

class Partida : public VentanaDePrueba {
  protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        j.Carpeta = QFile::encodeName(carpeta.path()).toStdString();
        j.Azar.Sembrar(11);
        QFile lista(carpeta.filePath(QStringLiteral("Tablerix.pal")));
        ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
        lista.write("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
        lista.close();
        // The splash comes first and is closed with a click, as the player does.
        bool acercaPrimero = false;
        contestador.Hacer([&](QWidget* acerca) {
            acercaPrimero = dynamic_cast<FormQuillmar*>(acerca) != nullptr && !form->isVisible();
            QTest::mouseClick(acerca, Qt::LeftButton, {}, QPoint(140, 250));
        });
        ASSERT_TRUE(ventana.Arrancar(j, false));
        EXPECT_TRUE(acercaPrimero);
        contestador.Siempre = QMessageBox::Ok;          // the computer's words are accepted
        form->MnuResumenAlTerminar->setChecked(false);  // VentanaResumenTest opens it at the end
    }

    bool EnElRegistro(const QString& linea) const {
        return !form->lstPartida->findItems(linea, Qt::MatchExactly).isEmpty();
    }

    QTemporaryDir carpeta;
};

TEST_F(Partida, StartUpDealsEnterDeclinesAnUnknownWordAndAWordWithABlankIsPlayedSavedAndLoaded) {
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(AtrilMostrado().size(), 7u);
    EXPECT_EQ(form->Label7->Texto(), QStringLiteral("86"));

    PonerAtril("CAS*OLE");
    for (int i = 0; i < 4; ++i) Arrastrar(Ranura(0), Casilla(111 + i));
    // Enter twice declines the unknown CASZ; its blank looks hollow once its letter is chosen.
    contestador.Hacer(
        [](QWidget* elector) { static_cast<Form3*>(elector)->cmdLetra[25]->click(); });
    contestador.Hacer([&](QWidget* caja) {
        EXPECT_TRUE(form->Label1[114]->Hueca());
        QTest::keyClick(caja->focusWidget() ? caja->focusWidget() : caja, Qt::Key_Return);
    });
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_FALSE(j.Lista.ExistePalabra("CASZ") ||
                 EnElRegistro(QStringLiteral("-----Jugador-----")));
    QPoint posicion;
    bool rojoVisible = false;
    contestador.Hacer([&](QWidget* elector) {
        posicion = elector->pos();
        rojoVisible = form->shpRojo->isVisible() &&
                      form->shpRojo->geometry().topLeft() == form->Label1[114]->pos();
        static_cast<Form3*>(elector)->cmdLetra[0]->click();
    });
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);
    // Square 114 lies below row 5: the chooser covers the top of the board.
    EXPECT_EQ(posicion, form->frameGeometry().topLeft() + QPoint(140, 32));
    EXPECT_TRUE(rojoVisible);  // the blank is framed in red while its letter is asked
    EXPECT_FALSE(form->shpRojo->isVisible());
    EXPECT_EQ(form->Label1[114]->Texto(), QStringLiteral("A"));
    // The blank scores as its A, so it shows the A's value, hollow.
    EXPECT_TRUE(form->Label1[114]->Hueca());
    EXPECT_EQ(form->Label1[114]->Valor(), 1);
    EXPECT_TRUE(EnElRegistro(QStringLiteral("CASA")));
    EXPECT_TRUE(form->isEnabled());

    // What a new game clears and a load brings back is the scenarios'; here the menus' wiring.
    const QString guardada = carpeta.filePath(QStringLiteral("Tablerix.ini"));
    form->MnuSave->trigger();
    EXPECT_TRUE(QFile::exists(guardada));
    form->MnuNew->trigger();
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral(" "));
    form->MnuLoad->trigger();
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral("C"));
    form->mnuBorGuar->trigger();
    EXPECT_FALSE(QFile::exists(guardada));
}

// Ctrl+Z and Ctrl+Y work while their entries are enabled: with something to
// take back or redo, not while a question is open nor in exchange mode, and
// after the end, which a take-back reopens.
TEST_F(Partida, CtrlZAndCtrlYFollowTheHistory) {
    MostrarActiva();
    auto habilitadas = [&] {
        return std::pair(form->MnuDeshacerJugada->isEnabled(), form->MnuRehacerJugada->isEnabled());
    };
    auto teclas = [&](Qt::Key tecla) {
        MostrarActiva();  // again after a message box
        QTest::keyClick(form, tecla, Qt::ControlModifier);
    };
    EXPECT_EQ(habilitadas(), std::pair(false, false));
    PonerAtril("CASAOLE");
    for (int i = 0; i < 4; ++i) Arrastrar(Ranura(0), Casilla(111 + i));
    auto enLaPregunta = std::pair(true, true);
    contestador.Hacer([&](QWidget* caja) {  // the computer's word or its exchange
        enLaPregunta = habilitadas();
        QTest::mouseClick(static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::keyClick(form, Qt::Key_Return);
    EXPECT_EQ(enLaPregunta, std::pair(false, false));
    EXPECT_EQ(habilitadas(), std::pair(true, false));

    Arrastrar(Ranura(0), Casilla(20));
    teclas(Qt::Key_Z);
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral(" "));
    EXPECT_EQ(form->Label1[20]->Texto(), QStringLiteral(" "));
    EXPECT_EQ(habilitadas(), std::pair(false, true));
    teclas(Qt::Key_Y);
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral("C"));
    EXPECT_EQ(habilitadas(), std::pair(true, false));

    QTest::mouseClick(form->cmdCambiar, Qt::LeftButton);
    EXPECT_EQ(habilitadas(), std::pair(false, false));
    teclas(Qt::Key_Z);
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral("C"));
    QTest::mouseClick(form->cmdEscape, Qt::LeftButton);

    j.Posicion.PasesSeguidos = 1;  // this pass ends the game
    QTest::mouseClick(form->cmdPasar, Qt::LeftButton);
    ASSERT_FALSE(j.Posicion.PartidaEnCurso);
    EXPECT_EQ(habilitadas(), std::pair(true, false));
    teclas(Qt::Key_Z);
    EXPECT_TRUE(j.Posicion.PartidaEnCurso);
    EXPECT_EQ(form->Label9->Texto(), QStringLiteral("Es tu turno."));
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Partida, RecommendationLaysTheMoveAndLeavesTheKeyboardOnOk) {
    MostrarActiva();
    form->MnuNiv[0]->trigger();  // stride 1: the short list is read whole
    PonerAtril("CASAOLE");
    form->lstPartida->setFocus();
    // The window shows that it is searching, and takes no input, while the
    // word is put to the player.
    contestador.Hacer([&](QWidget* caja) {
        EXPECT_EQ(form->Label9->Texto(),
                  QStringLiteral("Estoy buscando una recomendación. Espera..."));
        EXPECT_TRUE(form->shpLargo->isVisible());
        EXPECT_FALSE(form->isEnabled());
        QTest::mouseClick(static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::keyClick(form, Qt::Key_F4);

    EXPECT_EQ(AtrilMostrado().size(), 3u);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_FALSE(form->shpLargo->isVisible());
    ASSERT_EQ(form->focusWidget(), form->cmdOk);
    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(EnElRegistro(QStringLiteral("-----Jugador-----")));
}

TEST_F(Partida, TheProposalIsPreviewedBesideItsQuestionAndTileValuesAreASwitchRemembered) {
    form->MnuNiv[0]->trigger();
    PonerAtril("CASAOL*");
    std::vector<int> valores;
    for (const EtiquetaFicha* ficha : form->Label5) valores.push_back(ficha->Valor());
    EXPECT_EQ(valores, (std::vector<int>{3, 1, 1, 1, 1, 1, 0}));

    size_t fichasPrevias = 0;
    bool enElMarco = false;
    QPoint esquinaCaja;
    contestador.Hacer([&](QWidget* caja) {
        if (form->Previa->isVisible()) fichasPrevias = form->Previa->Fichas().size();
        enElMarco = form->shpAzul->isVisible();
        for (const VistaPrevia::Ficha& ficha : form->Previa->Fichas())
            enElMarco = enElMarco && form->shpAzul->geometry().contains(ficha.Casilla->geometry());
        esquinaCaja = caja->frameGeometry().topLeft();
        QTest::mouseClick(static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok), Qt::LeftButton);
    });
    form->MnuRecom->trigger();
    EXPECT_EQ(fichasPrevias, 4u);
    EXPECT_TRUE(enElMarco);
    // Over the log list, title bar included: clear of the board and of the panel above.
    EXPECT_EQ(esquinaCaja, form->Cliente->mapToGlobal(form->lstPartida->pos()));
    // Answered, the proposal is laid as before and nothing of the preview is left.
    EXPECT_EQ(AtrilMostrado().size(), 3u);
    EXPECT_FALSE(form->Previa->isVisible());
    EXPECT_FALSE(form->shpAzul->isVisible());

    form->MnuValores->trigger();
    EXPECT_EQ(form->Label5[0]->Valor(), 0);
    EXPECT_FALSE(Form1(j).MnuValores->isChecked());  // what the next start reads
    form->MnuValores->trigger();
    EXPECT_TRUE(Form1(j).MnuValores->isChecked());
}

TEST_F(Partida, TheEndIsShownBeforeItsBoxAndTakesNoMoveUntilANewGame) {
    j.Posicion.FichasEnBolsa = 0;
    j.Posicion.PasesSeguidos = 1;  // the computer passed: the player's pass ends the game
    auto estado = [&] {  // the status line, whether a move is offered, the computer's rack covered
        return std::tuple(form->Label9->Texto(),
                          form->cmdOk->isEnabled() || form->cmdCambiar->isEnabled() ||
                              form->cmdPasar->isEnabled() || form->MnuRecom->isEnabled(),
                          form->lstPartida->geometry().intersects(form->Label11[0]->geometry()));
    };
    decltype(estado()) alFinal;
    contestador.Hacer([&](QWidget* caja) {
        alFinal = estado();
        static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(form->cmdPasar, Qt::LeftButton);
    EXPECT_EQ(alFinal, std::tuple(QStringLiteral("Partida finalizada."), false, false));
    contestador.Responder(QMessageBox::Ok);
    form->MnuNew->trigger();
    EXPECT_EQ(estado(), std::tuple(QStringLiteral("Es tu turno."), true, true));
}

}  // namespace
}  // namespace tablerix::prueba
