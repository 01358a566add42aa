#pragma once
// A game with the real Qt window over it, and the test's hands: modal windows
// answered from a queue, addresses handed to the desktop caught, tiles dragged
// with the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "game/Juego.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/TamanoVentana.h"
#include "ui/VentanaQt.h"

namespace tablerix::prueba {

struct CajaVista {
    QString Texto;
    QMessageBox::Icon Icono;
    QMessageBox::StandardButtons Botones;
};

// A short repeating timer finds the active modal window and applies the next
// queued answer to it; one found with nothing queued fails the test and is closed.
class Contestador {
  public:
    Contestador() {
        temporizador_.setInterval(10);
        QObject::connect(&temporizador_, &QTimer::timeout, [this] { Mirar(); });
        temporizador_.start();
    }

    void Hacer(std::function<void(QWidget*)> accion) { respuestas_.push_back(std::move(accion)); }
    void Responder(QMessageBox::StandardButton boton) {
        Hacer([this, boton](QWidget* ventana) { Pulsar(ventana, boton); });
    }

    QMessageBox::StandardButton Siempre = QMessageBox::NoButton;  // for boxes with nothing queued
    std::vector<CajaVista> Cajas;  // every message box answered, in order
    bool Vacio() const { return respuestas_.empty(); }

  private:
    // Clicked with the mouse, so a box the disabled main window owns must still take input.
    void Pulsar(QWidget* ventana, QMessageBox::StandardButton boton) {
        auto* caja = qobject_cast<QMessageBox*>(ventana);
        if (!caja) return Cerrar(ventana);
        EXPECT_EQ(caja->windowTitle(), QStringLiteral("Tablerix"));
        EXPECT_EQ(caja->textFormat(), Qt::PlainText);  // words from the list are never markup
        Cajas.push_back({caja->text(), caja->icon(), caja->standardButtons()});
        QTest::mouseClick(caja->button(boton), Qt::LeftButton);
    }

    void Mirar() {
        QWidget* ventana = QApplication::activeModalWidget();
        // The progress window closes by itself once its work is done.
        if (!ventana || !ventana->isVisible() || ventana == atendida_ ||
            dynamic_cast<Form2*>(ventana))
            return;
        atendida_ = ventana;
        if (!respuestas_.empty()) {
            auto accion = std::move(respuestas_.front());
            respuestas_.pop_front();
            accion(ventana);
        } else if (Siempre != QMessageBox::NoButton && qobject_cast<QMessageBox*>(ventana)) {
            Pulsar(ventana, Siempre);
        } else {
            Cerrar(ventana);
        }
    }

    void Cerrar(QWidget* ventana) {
        ADD_FAILURE() << "a modal window nobody expected: " << ventana->metaObject()->className();
        static_cast<QDialog*>(ventana)->reject();
    }

    QTimer temporizador_;
    std::deque<std::function<void(QWidget*)>> respuestas_;
    QPointer<QWidget> atendida_;
};

// Catches what the program hands to the desktop, so no test opens a browser.
class Escucha : public QObject {
    Q_OBJECT
  public:
    Escucha() {
        for (const char* esquema : kEsquemas)
            QDesktopServices::setUrlHandler(esquema, this, "Abrir");
    }
    ~Escucha() override {
        for (const char* esquema : kEsquemas) QDesktopServices::unsetUrlHandler(esquema);
    }
    QList<QUrl> Abiertas;

  public slots:
    void Abrir(const QUrl& url) { Abiertas << url; }

  private:
    static constexpr const char* kEsquemas[] = {"file", "mailto", "http"};
};

class VentanaDePrueba : public ::testing::Test {
  protected:
    VentanaDePrueba() {
        // Every test starts as on a first start, no setting left by an earlier one,
        // but at 100 %, which the tests' layout figures assume.
        QSettings(QCoreApplication::applicationName(), QString()).clear();
        RecordarTamano(100);
        ventana.CrearVentanaPrincipal(j);
        form = ventana.Principal();
    }
    void TearDown() override {
        EXPECT_TRUE(contestador.Vacio()) << "an expected modal window never came";
    }

    // Shown and active, as keyboard shortcuts need it.
    void MostrarActiva() {
        form->Mostrar();
        form->activateWindow();
        QApplication::setActiveWindow(form);
        QApplication::processEvents();
    }

    // The player's rack, set by hand so that the test knows what can be laid.
    void PonerAtril(const char* letras) {
        for (int k = 0; k < kRanuras; ++k) {
            j.Posicion.Atriles[kTurnoJugador][k + 1] = letras[k];
            j.Form1.Label5[k] = {letras[k], true, kColorFicha, true};
        }
        form->Pintar();
    }

    QPoint Casilla(int i) const { return form->Label1[i]->geometry().center(); }
    QPoint Ranura(int k) const { return form->Label5[k]->geometry().center(); }

    void Arrastrar(QPoint desde, QPoint hasta) {
        QTest::mousePress(form->Cliente, Qt::LeftButton, {}, desde);
        QTest::mouseMove(form->Cliente, (desde + hasta) / 2);
        QTest::mouseMove(form->Cliente, hasta);
        QTest::mouseRelease(form->Cliente, Qt::LeftButton, {}, hasta);
    }

    std::string AtrilMostrado() const {
        std::string atril;
        for (int k = 0; k < kRanuras; ++k)
            if (form->Label5[k]->isVisible()) atril += form->Label5[k]->Texto().toStdString();
        return atril;
    }

    VentanaQt ventana;
    Juego j{ventana};
    Form1* form = nullptr;
    Contestador contestador;
    Escucha escritorio;
};

}  // namespace tablerix::prueba
