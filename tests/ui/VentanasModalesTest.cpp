// Message boxes, the letter chooser, the progress window and the about window,
// reached through the game's window interface and answered by the test.
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <stdexcept>

#include "Contestador.h"
#include "Escucha.h"
#include "VentanaDePrueba.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"
#include "wordlist/Texto.h"

namespace tablerix::prueba {
namespace {

using Mensajes = VentanaDePrueba;

TEST_F(Mensajes, BoxesCarryTitleIconButtonsAndLineBreaks) {
    Contestador contestador;
    contestador.Responder(QMessageBox::Ok);
    contestador.Responder(QMessageBox::Cancel);
    contestador.Responder(QMessageBox::Ok);
    contestador.Responder(QMessageBox::Ok);
    contestador.Hacer([](QWidget* caja) {
        EXPECT_EQ(static_cast<QMessageBox*>(caja)->textFormat(), Qt::PlainText);
        static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok)->click();
    });

    EXPECT_EQ(ventana.MostrarMensaje(Txt("¿Aceptas esta palabra?\rÑU"), Icono::Pregunta, true),
              Respuesta::Aceptar);
    EXPECT_EQ(ventana.MostrarMensaje("No conozco la palabra", Icono::Exclamacion, true),
              Respuesta::Cancelar);
    ventana.MostrarMensaje("Aviso", Icono::Exclamacion, false);
    ventana.MostrarMensaje(Txt("Partida finalizada.\r\n¡Has ganado!"), Icono::Informacion, false);
    ventana.MostrarMensaje("No conozco la palabra:   <B>.", Icono::Exclamacion, true);

    ASSERT_EQ(contestador.Cajas.size(), 4u);
    EXPECT_EQ(contestador.Inesperadas, 0);
    for (const CajaVista& caja : contestador.Cajas) EXPECT_EQ(caja.Titulo, QStringLiteral("Tablerix"));
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("¿Aceptas esta palabra?\nÑU"));
    EXPECT_EQ(contestador.Cajas[0].Icono, QMessageBox::Question);
    EXPECT_EQ(contestador.Cajas[0].Botones, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(contestador.Cajas[1].Icono, QMessageBox::Warning);
    EXPECT_EQ(contestador.Cajas[2].Botones, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(contestador.Cajas[3].Icono, QMessageBox::Information);
    EXPECT_EQ(contestador.Cajas[3].Texto, QStringLiteral("Partida finalizada.\n¡Has ganado!"));
}

TEST_F(Mensajes, ClosingAQuestionMeansCancel) {
    Contestador contestador;
    contestador.Hacer([](QWidget* caja) { QTest::keyClick(caja, Qt::Key_Escape); });
    EXPECT_EQ(ventana.MostrarMensaje("Quieres empezar otra partida?", Icono::Pregunta, true),
              Respuesta::Cancelar);
    EXPECT_TRUE(contestador.Vacio());
}

TEST_F(Mensajes, QuestionsWhileTheWindowIsDisabledCanBeAnswered) {
    // The computer's words are put to the player with the main window disabled.
    form->Mostrar();
    ventana.Habilitar(false);
    Contestador contestador;
    contestador.Hacer([](QWidget* caja) {
        QTest::mouseClick(static_cast<QMessageBox*>(caja)->button(QMessageBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(ventana.MostrarMensaje(Txt("¿Aceptas esta palabra?"), Icono::Pregunta, true),
              Respuesta::Aceptar);
    EXPECT_TRUE(contestador.Vacio());
    EXPECT_FALSE(form->isEnabled());
}

using ElectorDeLetra = VentanaDePrueba;

TEST_F(ElectorDeLetra, ButtonsFollowThePitchAndReturnTheLetter) {
    form->Mostrar();
    QPoint posicion;
    Contestador contestador;
    contestador.Hacer([&](QWidget* ventanaModal) {
        auto* elector = dynamic_cast<Form3*>(ventanaModal);
        ASSERT_NE(elector, nullptr);
        posicion = elector->pos();
        EXPECT_EQ(elector->windowTitle(), QStringLiteral("Elige una letra"));
        EXPECT_EQ(elector->size(), QSize(168, 96));
        EXPECT_EQ(elector->cmdLetra[0]->geometry(), QRect(0, 0, 25, 25));
        EXPECT_EQ(elector->cmdLetra[8]->geometry(), QRect(24, 24, 25, 25));
        EXPECT_EQ(elector->cmdLetra[25]->geometry(), QRect(96, 72, 25, 25));
        EXPECT_EQ(elector->cmdLetra[13]->text(), QStringLiteral("N"));
        EXPECT_EQ(elector->cmdLetra[14]->text(), QStringLiteral("Ñ"));
        EXPECT_EQ(elector->cmdLetra[23]->text(), QStringLiteral("X"));  // no W after V
        elector->cmdLetra[14]->click();
    });
    EXPECT_EQ(ventana.ElegirLetra(140, 248), kEnie);
    EXPECT_EQ(posicion, form->frameGeometry().topLeft() + QPoint(140, 248));
}

TEST_F(ElectorDeLetra, ClosedWithoutALetterReturnsNothing) {
    form->Mostrar();
    Contestador contestador;
    contestador.Hacer([](QWidget* elector) { elector->close(); });
    EXPECT_EQ(ventana.ElegirLetra(140, 32), '\0');
    EXPECT_TRUE(contestador.Vacio());
}

using Progreso = VentanaDePrueba;

TEST_F(Progreso, WorkRunsOnceWithTheWindowShownAndPainted) {
    form->Mostrar();
    int veces = 0;
    ventana.MostrarProgreso(1, [&] {
        ++veces;
        auto* progreso = dynamic_cast<Form2*>(QApplication::activeModalWidget());
        ASSERT_NE(progreso, nullptr);
        EXPECT_TRUE(progreso->isVisible());
        EXPECT_EQ(progreso->windowTitle(), QStringLiteral("Tablerix 2.1"));
        EXPECT_EQ(progreso->size(), QSize(232, 75));
        EXPECT_EQ(progreso->lblProceso->Texto(), QStringLiteral("Cargando Diccionario..."));
        EXPECT_EQ(progreso->lblProceso->geometry(), QRect(4, 20, 225, 25));
        EXPECT_EQ(progreso->lblProceso->ColorTexto(), QColor(0, 0, 255));
        // The user cannot close it before the work is done.
        progreso->close();
        EXPECT_TRUE(progreso->isVisible());
    });
    EXPECT_EQ(veces, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QString texto;
    ventana.MostrarProgreso(2, [&] {
        texto = dynamic_cast<Form2*>(QApplication::activeModalWidget())->lblProceso->Texto();
    });
    EXPECT_EQ(texto, QStringLiteral("Guardando Diccionario..."));
}

TEST_F(Progreso, AFailureInTheWorkReachesTheCaller) {
    form->Mostrar();
    EXPECT_THROW(ventana.MostrarProgreso(1, [] { throw std::runtime_error("sin memoria"); }),
                 std::runtime_error);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

using AcercaDe = VentanaDePrueba;

// The pointer moving over a widget with no button held.
void MoverRaton(QWidget* w, QPoint punto) {
    QMouseEvent movimiento(QEvent::MouseMove, punto, w->mapToGlobal(punto), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &movimiento);
}

TEST_F(AcercaDe, LinksOpenMailAndWebAndLeaveTheWindowOpen) {
    form->Mostrar();
    Escucha correo(QStringLiteral("mailto"));
    Escucha web(QStringLiteral("http"));
    Contestador contestador;
    bool abierta = false;
    contestador.Hacer([&](QWidget* ventanaModal) {
        auto* acerca = dynamic_cast<FormQuillmar*>(ventanaModal);
        ASSERT_NE(acerca, nullptr);
        EXPECT_EQ(acerca->size(), QSize(284, 420));
        EXPECT_EQ(acerca->lblTitulo->Texto(), QStringLiteral("Tablerix 2.1"));
        EXPECT_EQ(acerca->lblCreadoPor->Texto(), QStringLiteral("Creado por Quillmar-Software"));
        EXPECT_EQ(acerca->lblClick->Texto(), QStringLiteral("[click para cerrar]"));

        MoverRaton(acerca, acerca->lblMail->geometry().center());
        EXPECT_TRUE(acerca->lblMail->Subrayado());
        EXPECT_FALSE(acerca->lblURL->Subrayado());
        QTest::mouseClick(acerca, Qt::LeftButton, {}, acerca->lblMail->geometry().center());
        QTest::mouseClick(acerca, Qt::LeftButton, {}, acerca->lblURL->geometry().center());
        abierta = acerca->isVisible();
        MoverRaton(acerca, QPoint(140, 250));
        EXPECT_FALSE(acerca->lblURL->Subrayado());
        QTest::mouseClick(acerca, Qt::LeftButton, {}, QPoint(140, 250));
    });
    ventana.MostrarAcercaDe();
    EXPECT_TRUE(abierta);
    EXPECT_TRUE(contestador.Vacio());
    ASSERT_EQ(correo.Abiertas.size(), 1);
    EXPECT_EQ(correo.Abiertas[0], QUrl(QStringLiteral("mailto:contacto@tablerix.example")));
    ASSERT_EQ(web.Abiertas.size(), 1);
    EXPECT_EQ(web.Abiertas[0], QUrl(QStringLiteral("http://tablerix.example")));
}

TEST_F(AcercaDe, AnyKeyClosesIt) {
    for (Qt::Key tecla : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A}) {
        Contestador contestador;
        contestador.Hacer([tecla](QWidget* acerca) { QTest::keyClick(acerca, tecla); });
        ventana.MostrarAcercaDe();  // returns only once closed
        EXPECT_TRUE(contestador.Vacio());
        EXPECT_EQ(contestador.Inesperadas, 0);
    }
}

TEST(DireccionDeDocumento, PathsBecomeFileAddressesAndAddressesStay) {
    EXPECT_EQ(DireccionDeDocumento("/usr/share/tablerix/Instrucciones.htm"),
              QUrl::fromLocalFile(QStringLiteral("/usr/share/tablerix/Instrucciones.htm")));
    EXPECT_EQ(DireccionDeDocumento("mailto:contacto@tablerix.example").scheme(),
              QStringLiteral("mailto"));
    EXPECT_EQ(DireccionDeDocumento("http://tablerix.example").host(),
              QStringLiteral("tablerix.example"));
    EXPECT_TRUE(DireccionDeDocumento("./a:b/Instrucciones.htm").isLocalFile());
}

}  // namespace
}  // namespace tablerix::prueba
