// Menu entries and their shortcuts reach the game's handlers.
#include <QTest>

#include "Contestador.h"
#include "Escucha.h"
#include "VentanaDePrueba.h"
#include "ui/FormQuillmar.h"

namespace tablerix::prueba {
namespace {

using Menus = VentanaDePrueba;

TEST_F(Menus, FichasPcTogglesTheCheckAndTheLogHeight) {
    MostrarActiva();
    form->MnuContra->trigger();
    EXPECT_TRUE(j.Form1.MnuContra);
    EXPECT_TRUE(form->MnuContra->isChecked());
    EXPECT_EQ(form->lstPartida->height(), 173);
    EXPECT_TRUE(form->Label11[0]->isVisible() &&
                !form->lstPartida->geometry().intersects(form->Label11[0]->geometry()));

    form->MnuContra->trigger();
    EXPECT_FALSE(j.Form1.MnuContra);
    EXPECT_FALSE(form->MnuContra->isChecked());
    EXPECT_EQ(form->lstPartida->height(), 199);
}

TEST_F(Menus, CancellingNuevoLeavesTheGameAlone) {
    MostrarActiva();
    j.PartidaEnCurso = true;
    j.Form1.Label4 = {"57", "31"};
    j.Form1.Label1[112].Letra = 'S';
    Contestador contestador;
    contestador.Responder(QMessageBox::Cancel);
    QTest::keyClick(form, Qt::Key_F5);

    ASSERT_EQ(contestador.Cajas.size(), 1u);
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("Quieres empezar otra partida?"));
    EXPECT_EQ(contestador.Cajas[0].Icono, QMessageBox::Question);
    EXPECT_EQ(form->Label4[0]->Texto(), QStringLiteral("57"));
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("S"));
}

TEST_F(Menus, ComoJugarOpensTheInstructionsPage) {
    MostrarActiva();
    j.Carpeta = "/tmp/usuario";
    j.CarpetaDatos = "/usr/share/tablerix";
    Escucha archivos(QStringLiteral("file"));
    QTest::keyClick(form, Qt::Key_F1);
    ASSERT_EQ(archivos.Abiertas.size(), 1);
    EXPECT_EQ(archivos.Abiertas[0],
              QUrl::fromLocalFile(QStringLiteral("/usr/share/tablerix/Instrucciones.htm")));
}

TEST_F(Menus, AcercaDeShowsTheAboutWindow) {
    MostrarActiva();
    Contestador contestador;
    bool vista = false;
    contestador.Hacer([&](QWidget* ventanaModal) {
        vista = dynamic_cast<FormQuillmar*>(ventanaModal) != nullptr;
        QTest::keyClick(ventanaModal, Qt::Key_Space);
    });
    form->About->trigger();
    EXPECT_TRUE(vista);
    EXPECT_TRUE(contestador.Vacio());
}

TEST_F(Menus, ALevelChosenIsCheckedAndNamed) {
    MostrarActiva();
    form->MnuNiv[0]->trigger();
    EXPECT_TRUE(form->MnuNiv[0]->isChecked());
    EXPECT_EQ(form->Label6->Texto(), QStringLiteral("Deep Blue"));
    form->MnuNiv[2]->trigger();
    EXPECT_EQ(form->Label6->Texto(), QStringLiteral("Teléfono móvil"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(form->MnuNiv[i]->isChecked(), i == 2);
}

TEST_F(Menus, NothingStartsWhileAnotherHandlerRuns) {
    MostrarActiva();
    j.Ocupado = true;  // e.g. the computer thinking, events processed meanwhile
    Contestador contestador;
    form->MnuContra->trigger();
    form->MnuNew->trigger();
    EXPECT_FALSE(j.Form1.MnuContra);
    EXPECT_FALSE(form->MnuContra->isChecked());
    EXPECT_EQ(contestador.Inesperadas, 0);
    EXPECT_TRUE(contestador.Cajas.empty());
}

}  // namespace
}  // namespace tablerix::prueba
