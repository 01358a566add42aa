// Closing the main window asks only what it should, and not while the
// computer is thinking.
#include "Contestador.h"
#include "VentanaDePrueba.h"

namespace tablerix::prueba {
namespace {

using Cierre = VentanaDePrueba;

TEST_F(Cierre, GameUnderWayAsksToSaveIt) {
    form->Mostrar();
    j.PartidaEnCurso = true;
    j.PrimeraJugada = false;
    Contestador contestador;
    contestador.Responder(QMessageBox::Cancel);
    EXPECT_TRUE(form->close());
    ASSERT_EQ(contestador.Cajas.size(), 1u);
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("¿Quieres guardar la partida?"));
    EXPECT_EQ(contestador.Cajas[0].Icono, QMessageBox::Question);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Cierre, NoWordLaidAndListUnchangedAsksNothing) {
    form->Mostrar();
    j.PartidaEnCurso = true;
    j.PrimeraJugada = true;
    Contestador contestador;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(contestador.Cajas.empty());
    EXPECT_EQ(contestador.Inesperadas, 0);
}

TEST_F(Cierre, IgnoredWhileTheComputerIsThinking) {
    form->Mostrar();
    j.PartidaEnCurso = true;
    j.Ocupado = true;
    Contestador contestador;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(contestador.Cajas.empty());
}

}  // namespace
}  // namespace tablerix::prueba
