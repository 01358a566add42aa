#include "ui/FlechaCursor.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/ConversionQt.h"
#include "ui/Escala.h"

namespace tablerix {

FlechaCursor::FlechaCursor(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Placed from the start, like every widget, so that a new size moves it too.
    Colocar(this, ARect(GeometriaCasilla(0)));
    hide();
}

void FlechaCursor::Mostrar(const CursorTeclado& cursor) {
    if (cursor.Casilla < 0) {
        hide();
        return;
    }
    Colocar(this, ARect(GeometriaCasilla(cursor.Casilla)));
    const bool abajo = cursor.Direccion == kVertical;
    if (abajo != abajo_) {
        abajo_ = abajo;
        update();
    }
    show();
    raise();
}

void FlechaCursor::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn across on a 24-unit square, turned a quarter for down.
    p.scale(width() / 24.0, height() / 24.0);
    if (abajo_) {
        p.translate(24, 0);
        p.rotate(90);
    }
    QPainterPath flecha;
    flecha.moveTo(4, 10);
    flecha.lineTo(12, 10);
    flecha.lineTo(12, 5);
    flecha.lineTo(20, 12);
    flecha.lineTo(12, 19);
    flecha.lineTo(12, 14);
    flecha.lineTo(4, 14);
    flecha.closeSubpath();
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(QColor(0, 0, 128));
    p.drawPath(flecha);
}

}  // namespace tablerix
