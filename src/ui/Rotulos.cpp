#include "ui/Rotulos.h"

#include <QPainter>

#include "game/Ayudas.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"

namespace tablerix {

Rotulos::Rotulos(QWidget* padre, const QRect& diseno, int paso, bool vertical, const QFont& fuente)
    : QWidget(padre), paso_(paso), vertical_(vertical) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Colocar(this, diseno);
    PonerFuente(this, fuente);
}

void Rotulos::Poner(const QStringList& textos) {
    if (textos == textos_) return;
    textos_ = textos;
    update();
}

void Rotulos::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QRect diseno = Diseno(this);
    const QPoint origen = Escalar(diseno.topLeft());
    for (int k = 0; k < textos_.size(); ++k) {
        // Each cell mapped as the window maps its widgets, so it lines up with them.
        const QRect celda =
            vertical_ ? QRect(diseno.left(), diseno.top() + k * paso_, diseno.width(), paso_)
                      : QRect(diseno.left() + k * paso_, diseno.top(), paso_, diseno.height());
        p.drawText(Escalar(celda).translated(-origen), Qt::AlignCenter, textos_[k]);
    }
}

QStringList NombresDeColumnas() {
    QStringList nombres;
    for (int k = 0; k < kLado; ++k) nombres << AQString(NombreColumna(k));
    return nombres;
}

QStringList NombresDeFilas() {
    QStringList nombres;
    for (int k = 0; k < kLado; ++k) nombres << AQString(NombreFila(k));
    return nombres;
}

}  // namespace tablerix
