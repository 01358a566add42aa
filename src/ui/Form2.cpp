#include "ui/Form2.h"

#include <QCloseEvent>
#include <QWindow>

#include "ui/Aplicacion.h"
#include "ui/Escala.h"
#include "ui/Etiqueta.h"
#include "ui/TamanoVentana.h"

namespace tablerix {

Form2::Form2(QWidget* principal, int modo, std::function<void()> trabajo)
    : QDialog(principal), Modo(modo), trabajo_(std::move(trabajo)) {
    setWindowTitle(principal ? principal->window()->windowTitle() : QString());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    FijarTamano(this, {232, 75});
    lblProceso =
        new Etiqueta(this, {4, 20, 225, 25}, Fuente("MS Sans Serif", 12, true), Qt::AlignHCenter);
    lblProceso->PonerColorTexto(QColor(0, 0, 255));
    lblProceso->PonerTexto(QStringLiteral("Cargando Diccionario..."));
    for (QTimer* temporizador : {&Timer1, &Timer2}) {
        temporizador->setSingleShot(true);
        temporizador->setInterval(1);
    }
    connect(&Timer1, &QTimer::timeout, this,
            [this] { Trabajar(Timer1, "Cargando Diccionario..."); });
    connect(&Timer2, &QTimer::timeout, this,
            [this] { Trabajar(Timer2, "Guardando Diccionario..."); });
}

void Form2::Ejecutar() {
    // Centred over the main window: left alone, the first start's would sit in a corner.
    ColocarSobre(this, size(), parentWidget() ? parentWidget()->window() : nullptr);
    exec();
    if (error_) std::rethrow_exception(error_);
}

void Form2::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!terminado_ && !Timer1.isActive() && !Timer2.isActive()) {
        desdeMostrada_.start();
        (Modo == 1 ? Timer1 : Timer2).start();
    }
}

namespace {

// A window on screen that cannot show what it paints yet stays a black box while the work runs.
bool PorExponer(const QWidget* ventana) {
    return ventana && ventana->isVisible() && ventana->windowHandle() &&
           !ventana->windowHandle()->isExposed();
}

// Long enough for any window system to map a window; a platform that never
// reports it must not keep the list from loading.
constexpr int kEsperaMaximaMs = 2000;

}  // namespace

void Form2::Trabajar(QTimer& temporizador, const char* texto) {
    temporizador.stop();
    lblProceso->PonerTexto(QString::fromLatin1(texto));
    QWidget* principal = parentWidget() ? parentWidget()->window() : nullptr;
    if ((PorExponer(this) || PorExponer(principal)) && desdeMostrada_.elapsed() < kEsperaMaximaMs) {
        temporizador.start();
        return;
    }
    // Both painted now, since the work keeps events from running until it ends.
    if (principal) principal->repaint();
    repaint();
    try {
        trabajo_();
    } catch (...) {
        error_ = std::current_exception();
    }
    terminado_ = true;
    accept();
}

void Form2::closeEvent(QCloseEvent* evento) {
    if (terminado_)
        QDialog::closeEvent(evento);
    else
        evento->ignore();
}

void Form2::reject() {
    if (terminado_) QDialog::reject();
}

}  // namespace tablerix
