// The real start-up and a turn played through the window, with a small word
// list in a folder of the test's own.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Contestador.h"
#include "VentanaDePrueba.h"
#include "game/Arranque.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"

namespace tablerix::prueba {
namespace {

class Partida : public VentanaDePrueba {
protected:
    void SetUp() override {
        ASSERT_TRUE(carpeta.isValid());
        j.Carpeta = QFile::encodeName(carpeta.path()).toStdString();
        j.Azar.Sembrar(11);
        // The splash comes first and is closed with a click, as the player does.
        contestador.Hacer([&](QWidget* acerca) {
            acercaPrimero = dynamic_cast<FormQuillmar*>(acerca) != nullptr && !form->isVisible();
            QTest::mouseClick(acerca, Qt::LeftButton, {}, QPoint(140, 250));
        });
    }

    void EscribirLista(const QByteArray& palabras) {
        QFile lista(carpeta.filePath(QStringLiteral("Tablerix.pal")));
        ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
        lista.write(palabras);
    }

    bool Arrancar() { return ventana.Arrancar(j, false); }

    // The player's rack, set by hand so that the test knows what can be laid.
    void PonerAtril(const char* letras) {
        for (int k = 0; k < kRanuras; ++k) {
            j.Atriles[1][k + 1] = letras[k];
            j.Form1.Label5[k] = {letras[k], true, kColorFicha, true};
        }
        form->Pintar();
    }

    void Colocar(int ranura, int casilla) {
        const QPoint desde = form->Label5[ranura]->geometry().center();
        const QPoint hasta = form->Label1[casilla]->geometry().center();
        QTest::mousePress(form->Cliente, Qt::LeftButton, {}, desde);
        QTest::mouseMove(form->Cliente, hasta);
        QTest::mouseRelease(form->Cliente, Qt::LeftButton, {}, hasta);
    }

    // CASA through the centre, played with OK; the computer's words are accepted.
    void JugarCasa() {
        PonerAtril("CASAOLE");
        for (int i = 0; i < 4; ++i) Colocar(0, 111 + i);
        ASSERT_EQ(AtrilMostrado(), "OLE");
        contestador.ResponderSiempre(QMessageBox::Ok);
        QTest::mouseClick(form->cmdOk, Qt::LeftButton);
        contestador.ResponderSiempre(QMessageBox::NoButton);
    }

    QStringList Registro() const {
        QStringList lineas;
        for (int i = 0; i < form->lstPartida->count(); ++i) lineas << form->lstPartida->item(i)->text();
        return lineas;
    }

    std::string AtrilMostrado() const {
        std::string atril;
        for (int k = 0; k < kRanuras; ++k)
            if (form->Label5[k]->isVisible()) atril += form->Label5[k]->Texto().toStdString();
        return atril;
    }

    QTemporaryDir carpeta;
    Contestador contestador;
    bool acercaPrimero = false;
};

TEST_F(Partida, StartUpShowsTheSplashThenTheMainWindowWithADealtRack) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    EXPECT_TRUE(acercaPrimero);
    EXPECT_EQ(contestador.Inesperadas, 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(AtrilMostrado().size(), 7u);
    EXPECT_EQ(form->Label7->Texto(), QStringLiteral("86"));
    EXPECT_EQ(form->Label6->Texto(), QStringLiteral("Furby"));
    EXPECT_TRUE(form->MnuNiv[3]->isChecked());
    EXPECT_EQ(form->Label9->Texto(), QStringLiteral("Es tu turno."));
    EXPECT_TRUE(form->lblPuntos->Texto().startsWith(QStringLiteral(" A-1   B-3")));
    EXPECT_EQ(form->lstPartida->height(), 199);
    EXPECT_EQ(form->Label1[0]->Fondo(), QColor(255, 192, 128));
    EXPECT_EQ(form->Label1[112]->Fondo(), QColor(128, 255, 128));
}

TEST_F(Partida, WithoutAWordListTheUserIsToldAndStartUpStops) {
    contestador.Responder(QMessageBox::Ok);
    EXPECT_FALSE(Arrancar());
    EXPECT_TRUE(acercaPrimero);
    ASSERT_EQ(contestador.Cajas.size(), 1u);
    EXPECT_EQ(contestador.Cajas[0].Texto,
              QStringLiteral("No tienes ninguna librería de palabras (Tablerix.Pal)"));
    EXPECT_EQ(contestador.Cajas[0].Icono, QMessageBox::Warning);
}

TEST_F(Partida, AWordLaidWithTheMouseIsPlayedByOk) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    JugarCasa();

    EXPECT_EQ(form->Label1[111]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(form->Label1[112]->Fondo(), QColor(255, 255, 192));
    EXPECT_GT(form->Label4[0]->Texto().toInt(), 0);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(AtrilMostrado().size(), 7u);
    EXPECT_TRUE(Registro().contains(QStringLiteral("-----Jugador-----")));
    EXPECT_TRUE(Registro().contains(QStringLiteral("CASA")));
    EXPECT_EQ(contestador.Inesperadas, 0);
}

TEST_F(Partida, ABlankGetsItsLetterFromTheChooserUntilOneIsPressed) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    PonerAtril("CAS*OLE");
    for (int i = 0; i < 4; ++i) Colocar(0, 111 + i);
    QPoint posicion;
    bool rojoVisible = false;
    contestador.Hacer([](QWidget* elector) { elector->close(); });  // comes back
    contestador.Hacer([&](QWidget* ventanaModal) {
        auto* elector = dynamic_cast<Form3*>(ventanaModal);
        ASSERT_NE(elector, nullptr);
        posicion = elector->pos();
        rojoVisible = form->shpRojo->isVisible() &&
                      form->shpRojo->geometry().topLeft() == form->Label1[114]->pos();
        elector->cmdLetra[0]->click();
    });
    contestador.ResponderSiempre(QMessageBox::Ok);
    form->cmdOk->click();

    // Square 114 lies below row 5: the chooser covers the top of the board.
    EXPECT_EQ(posicion, form->frameGeometry().topLeft() + QPoint(140, 32));
    EXPECT_TRUE(rojoVisible);  // the blank is framed in red while its letter is asked
    EXPECT_FALSE(form->shpRojo->isVisible());
    EXPECT_EQ(form->Label1[114]->Texto(), QStringLiteral("A"));
    EXPECT_TRUE(Registro().contains(QStringLiteral("CASA")));
    EXPECT_EQ(contestador.Inesperadas, 0);
}

TEST_F(Partida, RecommendationLaysTheMoveForOkToPlay) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    MostrarActiva();
    form->MnuNiv[0]->trigger();  // stride 1: the short list is read whole
    PonerAtril("CASAOLE");
    form->lstPartida->setFocus();
    contestador.ResponderSiempre(QMessageBox::Ok);
    QTest::keyClick(form, Qt::Key_F4);

    // The proposal's word is put to the player first.
    ASSERT_FALSE(contestador.Cajas.empty());
    EXPECT_TRUE(contestador.Cajas.back().Texto.startsWith(QStringLiteral("¿Aceptas esta palabra?\n")));

    int puestas = 0;
    for (int i = 0; i < kCasillas; ++i)
        if (form->Label1[i]->Texto() != QStringLiteral(" ")) ++puestas;
    EXPECT_EQ(puestas, 4);
    EXPECT_EQ(AtrilMostrado().size(), 3u);
    EXPECT_EQ(form->focusWidget(), form->cmdOk);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(contestador.Inesperadas, 0);

    // The keyboard is on OK: the space bar plays the proposal.
    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(Registro().contains(QStringLiteral("-----Jugador-----")));
}

TEST_F(Partida, SaveLoadAndDeleteFromTheMenu) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    JugarCasa();
    const QString guardada = carpeta.filePath(QStringLiteral("Tablerix.ini"));
    const QString puntos = form->Label4[0]->Texto();

    contestador.Responder(QMessageBox::Ok);
    form->MnuSave->trigger();
    EXPECT_TRUE(QFile::exists(guardada));

    contestador.Responder(QMessageBox::Ok);
    form->MnuNew->trigger();
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral(" "));
    EXPECT_EQ(form->Label4[0]->Texto(), QStringLiteral("0"));

    contestador.Responder(QMessageBox::Ok);
    form->MnuLoad->trigger();
    EXPECT_EQ(form->Label1[111]->Texto(), QStringLiteral("C"));
    EXPECT_EQ(form->Label1[111]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(form->Label4[0]->Texto(), puntos);

    contestador.Responder(QMessageBox::Ok);
    form->mnuBorGuar->trigger();
    EXPECT_FALSE(QFile::exists(guardada));
    EXPECT_TRUE(contestador.Vacio());
    EXPECT_EQ(contestador.Inesperadas, 0);
}

}  // namespace
}  // namespace tablerix::prueba
