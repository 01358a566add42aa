#include "ui/Etiqueta.h"

#include <QFontMetrics>
#include <QPainter>

namespace tablerix {

namespace {
const QColor kColorBorde(96, 96, 96);
}

Etiqueta::Etiqueta(QWidget* padre, const QRect& geometria, const QFont& fuente,
                   Qt::Alignment alineacion, bool borde)
    : QWidget(padre), fuente_(fuente), alineacion_(alineacion), borde_(borde) {
    setGeometry(geometria);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Etiqueta::PonerTexto(const QString& texto) {
    if (texto == texto_) return;
    texto_ = texto;
    update();
}

void Etiqueta::PonerFondo(const QColor& fondo) {
    if (fondo == fondo_) return;
    fondo_ = fondo;
    update();
}

void Etiqueta::PonerColorTexto(const QColor& color) {
    if (color == colorTexto_) return;
    colorTexto_ = color;
    update();
}

void Etiqueta::PonerSubrayado(bool subrayado) {
    if (subrayado == fuente_.underline()) return;
    fuente_.setUnderline(subrayado);
    update();
}

QRect Etiqueta::CajaTexto() const {
    const int margen = borde_ ? 2 : 0;
    return rect().adjusted(margen, margen - 1, -margen, 0);
}

QFont Etiqueta::FuenteDibujada() const {
    QFont fuente = fuente_;
    const QRect caja = CajaTexto();
    while (encoger_ && fuente.pixelSize() > 8 &&
           QFontMetrics(fuente).boundingRect(caja, Banderas(), texto_).height() > caja.height())
        fuente.setPixelSize(fuente.pixelSize() - 1);
    return fuente;
}

void Etiqueta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fondo_.isValid()) p.fillRect(rect(), fondo_);
    if (borde_) {
        p.setPen(kColorBorde);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setFont(FuenteDibujada());
    p.setPen(colorTexto_);
    p.drawText(CajaTexto(), Banderas(), texto_);
}

Forma::Forma(QWidget* padre, const QRect& geometria, const QColor& color, bool rellena, int grosor)
    : QWidget(padre), color_(color), rellena_(rellena), grosor_(grosor) {
    setGeometry(geometria);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (rellena_) {
        p.fillRect(rect(), color_);
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(color_);
    const QRect r = rect();
    p.drawRect(0, 0, r.width(), grosor_);
    p.drawRect(0, r.height() - grosor_, r.width(), grosor_);
    p.drawRect(0, 0, grosor_, r.height());
    p.drawRect(r.width() - grosor_, 0, grosor_, r.height());
}

}  // namespace tablerix
