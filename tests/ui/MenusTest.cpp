// Menu entries, their shortcuts and closing the window reach the game's handlers.
#include <QActionGroup>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>

#include "VentanaDePrueba.h"
#include "ui/VentanaAyuda.h"

namespace tablerix::prueba {
namespace {

using Menus = VentanaDePrueba;

TEST_F(Menus, EntriesAndShortcutsReachTheGame) {
    MostrarActiva();
    j.CarpetaDatos = "/usr/share/tablerix";
    QTest::keyClick(form, Qt::Key_F1);
    EXPECT_EQ(
        escritorio.Abiertas,
        QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/usr/share/tablerix/Instrucciones.htm"))});
    // Offscreen, as on a desktop without a browser, nothing opens a page: the program shows it.
    QTemporaryDir carpeta;
    QFile pagina(carpeta.filePath(QStringLiteral("Instrucciones.htm")));
    ASSERT_TRUE(pagina.open(QIODevice::WriteOnly));
    pagina.write("<title>C\xc3\xb3mo jugar</title><p>Reglas</p>");
    pagina.close();
    j.CarpetaDatos = QFile::encodeName(carpeta.path()).toStdString();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    form->PonerTamano(200);  // the page's 1280 x 1120 is cut to the screen, title bar included
    QTest::keyClick(form, Qt::Key_F1);
    ASSERT_NE(ventana.Ayuda(), nullptr);
    EXPECT_TRUE(ventana.Ayuda()->isVisible());
    EXPECT_EQ(ventana.Ayuda()->windowTitle(), QStringLiteral("Cómo jugar"));
    EXPECT_TRUE(form->screen()->availableGeometry().contains(ventana.Ayuda()->frameGeometry()));

    j.Posicion.PartidaEnCurso = true;
    j.Form1.Label1[112].Letra = 'S';
    contestador.Responder(QMessageBox::Cancel);
    QTest::keyClick(form, Qt::Key_F5);
    EXPECT_EQ(contestador.Cajas.size(), 1u);
    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("S"));

    form->MnuNiv[2]->trigger();
    EXPECT_EQ(form->Label6->Texto(), QStringLiteral("Teléfono móvil"));
    for (int i = 0; i < 8; ++i) EXPECT_EQ(form->MnuNiv[i]->isChecked(), i == 2);
    // One exclusive group, drawn with radio marks.
    ASSERT_NE(form->MnuNiv[0]->actionGroup(), nullptr);
    EXPECT_EQ(form->MnuNiv[0]->actionGroup()->actions().size(), 8);
    EXPECT_TRUE(form->MnuNiv[0]->actionGroup()->isExclusive());
    // "Acerca de..." is shown through the menu in the about window's own test.
}

TEST_F(Menus, SizesAreCheckedOneAtATimeSteppedWithShortcutsAndRememberedAfterARestart) {
    QStringList titulos;
    for (QAction* menu : form->menuBar()->actions()) titulos << menu->text();
    EXPECT_EQ(titulos, QStringList({QStringLiteral("Juego"), QStringLiteral("Inteligencia"),
                                    QStringLiteral("Ver"), QStringLiteral("Diccionario"),
                                    QStringLiteral("Ayuda")}));
    auto marcado = [&] {
        QStringList marcados;
        for (QAction* tamano : form->MnuTamano)
            if (tamano->isChecked()) marcados << tamano->text();
        return marcados.join(QLatin1Char(','));
    };
    EXPECT_EQ(marcado(), QStringLiteral("100 %"));

    MostrarActiva();
    QTest::keyClick(form, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(marcado(), QStringLiteral("100 %"));
    QTest::keyClick(form, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(form, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(marcado(), QStringLiteral("150 %"));
    EXPECT_EQ(form->Cliente->size(), QSize(963, 612));
    form->MnuTamano[4]->trigger();
    EXPECT_EQ(marcado(), QStringLiteral("200 %"));
    // 250 % and 300 % would run off the 1600 x 1000 screen.
    EXPECT_FALSE(form->MnuTamano[5]->isEnabled() || form->MnuTamano[6]->isEnabled() ||
                 form->MnuMasGrande->isEnabled());
    QTest::keyClick(form, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(marcado(), QStringLiteral("200 %"));

    ventana.CrearVentanaPrincipal(j);
    form = ventana.Principal();
    EXPECT_EQ(marcado(), QStringLiteral("200 %"));
    EXPECT_EQ(form->Cliente->size(), QSize(1284, 816));
    MostrarActiva();
    QTest::keyClick(form, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->Cliente->size(), QSize(642, 408));
}

TEST_F(Menus, FichasPcTogglesTheLogHeightAndTheNewestLineStaysInView) {
    auto aLaVista = [&](int fila) {
        const QRect linea = form->lstPartida->visualItemRect(form->lstPartida->item(fila));
        return form->lstPartida->viewport()->rect().contains(linea);
    };
    MostrarActiva();
    for (int i = 0; i < 40; ++i) j.Form1.lstPartida.push_back("linea " + std::to_string(i));
    j.Form1.SeleccionPartida = 38;
    form->Pintar();
    EXPECT_TRUE(form->lstPartida->item(38)->isSelected());
    EXPECT_TRUE(aLaVista(39));

    form->MnuContra->trigger();
    EXPECT_TRUE(form->MnuContra->isChecked());
    EXPECT_EQ(form->lstPartida->height(), 173);
    EXPECT_FALSE(form->lstPartida->geometry().intersects(form->Label11[0]->geometry()));
    EXPECT_TRUE(aLaVista(39));

    for (int i = 40; i < 60; ++i) j.Form1.lstPartida.push_back("linea " + std::to_string(i));
    j.Form1.SeleccionPartida = -1;
    form->Pintar();
    EXPECT_TRUE(aLaVista(59));
    EXPECT_TRUE(form->lstPartida->selectedItems().isEmpty());

    form->MnuContra->trigger();
    EXPECT_FALSE(form->MnuContra->isChecked());
    EXPECT_EQ(form->lstPartida->height(), 199);
}

TEST_F(Menus, ClosingAsksOnlyWhatItShould) {
    const struct {
        const char* caso;
        bool primeraJugada, ocupado, cierra;
        QStringList preguntas;
    } tabla[] = {
        {"a word laid", false, false, true, {QStringLiteral("¿Quieres guardar la partida?")}},
        {"no word laid yet", true, false, true, {}},
        {"the computer thinking", false, true, false, {}},
    };
    for (const auto& fila : tabla) {
        SCOPED_TRACE(fila.caso);
        form->Mostrar();
        j.Posicion.PartidaEnCurso = true;
        j.Posicion.PrimeraJugada = fila.primeraJugada;
        j.Ocupado = fila.ocupado;
        contestador.Cajas.clear();
        for (int i = 0; i < fila.preguntas.size(); ++i) contestador.Responder(QMessageBox::Cancel);
        EXPECT_EQ(form->close(), fila.cierra);
        EXPECT_EQ(form->isVisible(), !fila.cierra);
        QStringList vistas;
        for (const CajaVista& caja : contestador.Cajas) vistas << caja.Texto;
        EXPECT_EQ(vistas, fila.preguntas);
    }
}

}  // namespace
}  // namespace tablerix::prueba
