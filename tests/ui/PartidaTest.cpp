// The real start-up and a turn played through the window, with a small word
// list in a folder of the test's own.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Contestador.h"
#include "VentanaDePrueba.h"
#include "game/Arranque.h"
#include "ui/Form2.h"
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

TEST_F(Partida, AWordLaidWithTheMouseIsPlayedByOkAndClosingOffersToSaveIt) {
    EscribirLista("CASA\r\nCASO\r\nSACO\r\nOSA\r\n");
    ASSERT_TRUE(Arrancar());
    // The player's rack, set by hand so that CASA can be laid.
    const char atril[] = "CASAOLE";
    for (int k = 0; k < kRanuras; ++k) {
        j.Atriles[1][k + 1] = atril[k];
        j.Form1.Label5[k] = {atril[k], true, kColorFicha, true};
    }
    form->Pintar();
    for (int i = 0; i < 4; ++i) {
        const QPoint desde = form->Label5[0]->geometry().center();
        const QPoint hasta = form->Label1[111 + i]->geometry().center();
        QTest::mousePress(form->Cliente, Qt::LeftButton, {}, desde);
        QTest::mouseMove(form->Cliente, hasta);
        QTest::mouseRelease(form->Cliente, Qt::LeftButton, {}, hasta);
    }
    ASSERT_EQ(AtrilMostrado(), "OLE");

    contestador.ResponderSiempre(QMessageBox::Ok);  // whatever the computer proposes
    QTest::mouseClick(form->cmdOk, Qt::LeftButton);

    EXPECT_EQ(form->Label1[111]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(form->Label1[112]->Fondo(), QColor(255, 255, 192));
    EXPECT_GT(form->Label4[0]->Texto().toInt(), 0);
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(AtrilMostrado().size(), 7u);
    QStringList registro;
    for (int i = 0; i < form->lstPartida->count(); ++i) registro << form->lstPartida->item(i)->text();
    EXPECT_TRUE(registro.contains(QStringLiteral("-----Jugador-----")));
    EXPECT_TRUE(registro.contains(QStringLiteral("CASA")));

    contestador.ResponderSiempre(QMessageBox::NoButton);
    contestador.Responder(QMessageBox::Cancel);
    const size_t antes = contestador.Cajas.size();
    EXPECT_TRUE(form->close());
    ASSERT_EQ(contestador.Cajas.size(), antes + 1);
    EXPECT_EQ(contestador.Cajas.back().Texto, QStringLiteral("¿Quieres guardar la partida?"));
    EXPECT_EQ(contestador.Inesperadas, 0);
}

}  // namespace
}  // namespace tablerix::prueba
