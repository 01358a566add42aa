#include "ui/Etiqueta.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/Escala.h"

namespace tablerix {

namespace {

const QColor kColorBorde(96, 96, 96);

// A frame of a given thickness drawn inside the rectangle.
void DibujarMarco(QPainter& p, const QRect& r, const QColor& color, int grosor) {
    p.fillRect(0, 0, r.width(), grosor, color);
    p.fillRect(0, r.height() - grosor, r.width(), grosor, color);
    p.fillRect(0, 0, grosor, r.height(), color);
    p.fillRect(r.width() - grosor, 0, grosor, r.height(), color);
}

}  // namespace

Etiqueta::Etiqueta(QWidget* padre, const QRect& geometria, const QFont& fuente,
                   Qt::Alignment alineacion, bool borde)
    : QWidget(padre), alineacion_(alineacion), borde_(borde) {
    PonerFuente(this, fuente);
    Colocar(this, geometria);
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
    if (subrayado == Subrayado()) return;
    QFont fuente = FuenteDeDiseno(this);
    fuente.setUnderline(subrayado);
    PonerFuente(this, fuente);
}

QRect Etiqueta::CajaTexto() const {
    const int margen = borde_ ? Escalar(2) : 0;
    return rect().adjusted(margen, margen - Escalar(1), -margen, 0);
}

QFont Etiqueta::FuenteDibujada() const {
    QFont fuente = font();
    const QRect caja = CajaTexto();
    while (encoger_ && fuente.pixelSize() > Escalar(8) &&
           QFontMetrics(fuente).boundingRect(caja, Banderas(), texto_).height() > caja.height())
        fuente.setPixelSize(fuente.pixelSize() - 1);
    return fuente;
}

void Etiqueta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fondo_.isValid()) p.fillRect(rect(), fondo_);
    if (borde_) DibujarMarco(p, rect(), kColorBorde, Escalar(1));
    DibujarTexto(p);
}

void Etiqueta::DibujarTexto(QPainter& p) {
    p.setFont(FuenteDibujada());
    p.setPen(colorTexto_);
    p.drawText(CajaTexto(), Banderas(), texto_);
}

Forma::Forma(QWidget* padre, const QRect& geometria, const QColor& color, bool rellena, int grosor)
    : QWidget(padre), color_(color), rellena_(rellena), grosor_(grosor) {
    Colocar(this, geometria);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (rellena_) {
        p.fillRect(rect(), color_);
        return;
    }
    DibujarMarco(p, rect(), color_, std::max(1, Escalar(grosor_)));
}

}  // namespace tablerix
