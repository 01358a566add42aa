// The play aids' menu entries, keys and remembered switches.
#include <QMenuBar>

#include "VentanaDePrueba.h"
#include "ui/Ayudas.h"
#include "ui/Rotulos.h"

namespace tablerix::prueba {
namespace {

using Ayudas = VentanaDePrueba;

TEST_F(Ayudas, TheLevelAndTheBestHintChosenInTheMenuAreTheNextStartsAndWhatTheGameSetsIsNot) {
    EXPECT_EQ(NivelRecordado(), kNivelInicial);
    form->MnuNiv[6]->trigger();
    EXPECT_EQ(NivelRecordado(), 6);
    // A load sets the level in the model only.
    j.Form1.MnuNiv.fill(false);
    j.Form1.MnuNiv[1] = true;
    form->Pintar();
    EXPECT_TRUE(form->MnuNiv[1]->isChecked());
    EXPECT_EQ(NivelRecordado(), 6);

    EXPECT_FALSE(form->MnuMejor->isChecked());
    form->MnuMejor->trigger();
    EXPECT_TRUE(j.Form1.MnuMejor);
    EXPECT_TRUE(form->MnuMejor->isChecked());
    // The next start's design clears the model; the remembered switch comes back.
    j.Form1 = ModeloVentana{};
    form->Pintar();
    EXPECT_FALSE(form->MnuMejor->isChecked());
    RecuperarAyudas(j);
    EXPECT_TRUE(j.Form1.MnuMejor);
}

TEST_F(Ayudas, GameMenuKeysShuffleExchangePassAndQuitAndNoneIsAPlainLetter) {
    // Letters with or without Shift type onto the board.
    const auto tecleable = [](QKeyCombination k) {
        const bool letra =
            (k.key() >= Qt::Key_A && k.key() <= Qt::Key_Z) || k.key() == Qt::Key_Ntilde;
        return letra && !(k.keyboardModifiers() &
                          (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    };
    for (QAction* menu : form->menuBar()->actions())
        for (QAction* entrada : menu->menu()->actions())
            for (const QKeySequence& atajo : entrada->shortcuts())
                EXPECT_FALSE(tecleable(atajo[0])) << entrada->text().toStdString();

    MostrarActiva();
    j.Posicion.PartidaEnCurso = true;
    j.Posicion.FichasEnBolsa = 50;
    PonerAtril("CASAOLE");
    QTest::keyClick(form, Qt::Key_F8);
    std::string mezclado = AtrilMostrado();
    EXPECT_NE(mezclado, "CASAOLE");
    std::sort(mezclado.begin(), mezclado.end());
    EXPECT_EQ(mezclado, "AACELOS");

    Arrastrar(Ranura(0), Casilla(112));
    EXPECT_FALSE(form->MnuMezclar->isEnabled());
    QTest::keyClick(form, Qt::Key_F6);  // the laid tile goes back first
    EXPECT_EQ(j.Form1.ModoLabel9, kModoCambio);
    EXPECT_EQ(AtrilMostrado().size(), 7u);
    EXPECT_FALSE(form->MnuMezclar->isEnabled());
    QTest::keyClick(form, Qt::Key_Escape);

    contestador.Responder(QMessageBox::Cancel);
    QTest::keyClick(form, Qt::Key_F7);
    ASSERT_EQ(contestador.Cajas.size(), 1u);
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("Aún quedan fichas. Quieres pasar?"));

    contestador.Responder(QMessageBox::Cancel);
    QApplication::setActiveWindow(form);
    QTest::keyClick(form, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(contestador.Cajas.size(), 2u);
    EXPECT_EQ(contestador.Cajas[1].Texto, QStringLiteral("¿Quieres guardar la partida?"));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Ayudas, ViewSwitchesShowThePointsTheUnseenTilesAndTheCoordinatesAndAreRemembered) {
    form->Mostrar();
    j.Posicion.PartidaEnCurso = true;
    j.Posicion.PrimeraJugada = true;
    j.Lista.CargarDesdeTexto("CASA\r\n");
    j.Valores[1] = "A1";
    j.Valores[3] = "C3";
    j.Valores[19] = "S1";  // no premiums: the board as the window alone designs it
    j.Form1.Label9 = "Es tu turno.";
    PonerAtril("CASAOLE");
    for (int i = 0; i < 4; ++i) Arrastrar(Ranura(0), Casilla(111 + i));
    EXPECT_TRUE(form->MnuPuntos->isChecked());
    EXPECT_EQ(form->Label9->Texto(), QStringLiteral("CASA 6: 6 puntos"));
    form->MnuPuntos->trigger();
    EXPECT_EQ(form->Label9->Texto(), QStringLiteral("Es tu turno."));
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");  // the game's status is never touched

    EXPECT_FALSE(form->PorSalir->isVisible());
    EXPECT_FALSE(form->Columnas->isVisible());
    form->MnuPorSalir->trigger();
    form->MnuCoordenadas->trigger();
    EXPECT_EQ(form->Cliente->size(), QSize(642, 408 + 12 + 32));
    EXPECT_EQ(form->PorSalir->Textos().size(), 27);
    EXPECT_EQ(form->PorSalir->Textos().front(), QStringLiteral("A\n10"));  // two on the rack
    EXPECT_EQ(form->Columnas->Textos().last(), QStringLiteral("O"));
    EXPECT_EQ(form->Filas->Textos().last(), QStringLiteral("15"));
    // The names line up with the squares; the progress bar moved below them.
    EXPECT_EQ(form->Columnas->geometry().left(), form->Label1[0]->geometry().left());
    EXPECT_EQ(form->Filas->geometry().top(), form->Label1[0]->geometry().top());
    EXPECT_GE(form->shpLargo->geometry().top(), form->Columnas->geometry().bottom());

    ventana.CrearVentanaPrincipal(j);
    form = ventana.Principal();
    EXPECT_FALSE(form->MnuPuntos->isChecked());
    EXPECT_TRUE(form->MnuPorSalir->isChecked());
    EXPECT_TRUE(form->MnuCoordenadas->isChecked());
    form->MnuCoordenadas->trigger();
    form->MnuPorSalir->trigger();
    EXPECT_EQ(form->Cliente->size(), QSize(642, 408));
    EXPECT_EQ(form->shpLargo->geometry(), QRect(44, 396, 361, 9));
}

}  // namespace
}  // namespace tablerix::prueba
