// Message boxes, the letter chooser, the progress window and the about window,
// reached through the game's window interface and answered by the test.
#include <QStyle>
#include <stdexcept>

#include "VentanaDePrueba.h"
#include "game/Mensajes.h"
#include "ui/CajaMensaje.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"
#include "wordlist/Texto.h"

namespace tablerix::prueba {
namespace {

using VentanasModales = VentanaDePrueba;

TEST_F(VentanasModales,
       MessageBoxesCarryIconButtonsAndLineBreaksAndTakeAnswersWhileTheWindowIsDisabled) {
    // The computer's words are put to the player with the main window disabled.
    form->Mostrar();
    HabilitarVentana(j, false);
    const struct {
        std::string texto;
        Icono icono;
        bool conCancelar;  // answered Cancel when it can be
        QString vista;
        QMessageBox::Icon iconoVisto;
    } tabla[] = {
        {Txt("¿Aceptas esta palabra?\rÑU"), Icono::Pregunta, false,
         QStringLiteral("¿Aceptas esta palabra?\nÑU"), QMessageBox::Question},
        {"No conozco la palabra:   <B>.", Icono::Exclamacion, true,
         QStringLiteral("No conozco la palabra:   <B>."), QMessageBox::Warning},
        {Txt("Partida finalizada.\r\n¡Has ganado!"), Icono::Informacion, false,
         QStringLiteral("Partida finalizada.\n¡Has ganado!"), QMessageBox::Information},
    };
    for (const auto& fila : tabla) {
        SCOPED_TRACE(fila.texto);
        contestador.Cajas.clear();
        contestador.Responder(fila.conCancelar ? QMessageBox::Cancel : QMessageBox::Ok);
        EXPECT_EQ(
            ventana.MostrarMensaje(fila.texto, fila.icono, fila.conCancelar, Respuesta::Aceptar),
            fila.conCancelar ? Respuesta::Cancelar : Respuesta::Aceptar);
        ASSERT_EQ(contestador.Cajas.size(), 1u);
        EXPECT_EQ(contestador.Cajas[0].Texto, fila.vista);
        EXPECT_EQ(contestador.Cajas[0].Icono, fila.iconoVisto);
        EXPECT_EQ(contestador.Cajas[0].Botones,
                  fila.conCancelar ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    }
    EXPECT_FALSE(form->isEnabled());

    // Qt's own buttons speak Spanish; closing a question answers Cancel.
    contestador.Hacer([](QWidget* ventanaModal) {
        auto* caja = static_cast<QMessageBox*>(ventanaModal);
        EXPECT_EQ(caja->button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar"));
        EXPECT_EQ(caja->button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
        QTest::keyClick(caja, Qt::Key_Escape);
    });
    EXPECT_EQ(ventana.MostrarMensaje("Quieres empezar otra partida?", Icono::Pregunta, true,
                                     Respuesta::Aceptar),
              Respuesta::Cancelar);
}

TEST_F(VentanasModales, BoxesTakeTheSizeAndAreNeverTooNarrowForTheirTitle) {
    form->Mostrar();
    form->PonerTamano(200);
    contestador.Hacer([](QWidget* ventanaModal) {
        auto* caja = static_cast<QMessageBox*>(ventanaModal);
        EXPECT_EQ(QFontInfo(caja->font()).pixelSize(), 2 * QFontInfo(QFont()).pixelSize());
        EXPECT_EQ(caja->iconPixmap().width(),
                  2 * caja->style()->pixelMetric(QStyle::PM_MessageBoxIconSize));
        // "Yo paso." alone would leave the title bar too short.
        EXPECT_GE(caja->width(), AnchoParaTitulo(caja->windowTitle()));
        caja->button(QMessageBox::Ok)->click();
    });
    ventana.MostrarMensaje("Yo paso.", Icono::Informacion, false, Respuesta::Aceptar);
}

TEST_F(VentanasModales, LetterChooserReturnsTheLetterPressedOrNothingWhenClosedAtEverySize) {
    form->Mostrar();
    contestador.Hacer([](QWidget* elector) {
        EXPECT_EQ(static_cast<Form3*>(elector)->cmdLetra[23]->text(), QStringLiteral("X"));  // no W
        EXPECT_EQ(static_cast<Form3*>(elector)->cmdLetra[25]->geometry(), QRect(96, 72, 25, 25));
        static_cast<Form3*>(elector)->cmdLetra[14]->click();
    });
    EXPECT_EQ(ventana.ElegirLetra(140, 248), kEnie);
    // Twice the size: twice as far from the main window's corner, buttons twice as big.
    form->PonerTamano(200);
    contestador.Hacer([&](QWidget* elector) {
        EXPECT_EQ(elector->pos(), form->frameGeometry().topLeft() + QPoint(280, 64));
        EXPECT_EQ(static_cast<Form3*>(elector)->cmdLetra[25]->geometry(), QRect(192, 144, 50, 50));
        elector->close();
    });
    EXPECT_EQ(ventana.ElegirLetra(140, 32), '\0');
}

TEST_F(VentanasModales, ProgressWindowRunsItsWorkOnceShownAndCannotBeClosedBefore) {
    form->Mostrar();
    int veces = 0;
    ventana.MostrarProgreso(2, [&] {
        ++veces;
        auto* progreso = dynamic_cast<Form2*>(QApplication::activeModalWidget());
        ASSERT_NE(progreso, nullptr);
        EXPECT_EQ(progreso->lblProceso->Texto(), QStringLiteral("Guardando Diccionario..."));
        // Centred over the main window.
        EXPECT_LE(
            (progreso->frameGeometry().center() - form->frameGeometry().center()).manhattanLength(),
            2);
        progreso->close();
        EXPECT_TRUE(progreso->isVisible());
    });
    EXPECT_EQ(veces, 1);
    EXPECT_THROW(ventana.MostrarProgreso(1, [] { throw std::runtime_error("sin memoria"); }),
                 std::runtime_error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(VentanasModales, AboutWindowLinksOpenMailAndWebAndAnyClickOrKeyClosesIt) {
    form->Mostrar();
    bool abierta = false;
    contestador.Hacer([&](QWidget* ventanaModal) {
        auto* acerca = static_cast<FormQuillmar*>(ventanaModal);
        QTest::mouseClick(acerca, Qt::LeftButton, {}, acerca->lblMail->geometry().center());
        QTest::mouseClick(acerca, Qt::LeftButton, {}, acerca->lblURL->geometry().center());
        abierta = acerca->isVisible();
        QTest::mouseClick(acerca, Qt::LeftButton, {}, QPoint(140, 250));
    });
    form->About->trigger();  // returns only once closed
    EXPECT_TRUE(abierta);
    EXPECT_EQ(escritorio.Abiertas,
              QList<QUrl>({QUrl(QStringLiteral("mailto:contacto@tablerix.example")),
                           QUrl(QStringLiteral("http://tablerix.example"))}));
    contestador.Hacer([](QWidget* acerca) { QTest::keyClick(acerca, Qt::Key_A); });
    ventana.MostrarAcercaDe();
}

TEST(DireccionDeDocumento, PathsBecomeFileAddressesAndAddressesStay) {
    EXPECT_EQ(DireccionDeDocumento("/usr/share/tablerix/Instrucciones.htm"),
              QUrl::fromLocalFile(QStringLiteral("/usr/share/tablerix/Instrucciones.htm")));
    EXPECT_TRUE(DireccionDeDocumento("./a:b/Instrucciones.htm").isLocalFile());
    EXPECT_EQ(DireccionDeDocumento("http://tablerix.example").scheme(), QStringLiteral("http"));
}

}  // namespace
}  // namespace tablerix::prueba
