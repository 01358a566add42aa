#include "ui/DibujoFicha.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tablerix {
namespace {

void DibujarLetra(QPainter& p, const QRect& caja, int banderas, const QFont& fuente,
                  const QString& letra, const QColor& color, bool hueca) {
    p.setFont(fuente);
    if (!hueca) {
        p.setPen(color);
        p.drawText(caja, banderas, letra);
        return;
    }
    const QFontMetrics medidas(fuente);
    const QRect texto = medidas.boundingRect(caja, banderas, letra);
    QPainterPath contorno;
    contorno.addText(texto.left(), texto.top() + medidas.ascent(), fuente, letra);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, std::max(1.0, fuente.pixelSize() / 14.0)));
    p.drawPath(contorno);
    p.restore();
}

void DibujarValor(QPainter& p, const QRect& ficha, int valor, const QColor& color) {
    if (valor <= 0) return;
    QFont fuente(QStringLiteral("Arial"));
    fuente.setPixelSize(std::max(6, static_cast<int>(std::lround(ficha.height() * 0.34))));
    const int margen = std::max(1, ficha.height() / 12);
    p.setFont(fuente);
    p.setPen(color);
    p.drawText(ficha.adjusted(0, 0, -margen - 1, -margen + 1), Qt::AlignRight | Qt::AlignBottom,
               QString::number(valor));
}

}  // namespace

void DibujarFicha(QPainter& p, const Etiqueta& etiqueta, const QString& letra, const QColor& color,
                  int valor, bool hueca) {
    QRect caja = etiqueta.CajaTexto();
    // The letter moves up and left, clear of the value.
    const int paso = std::max(1, caja.height() / 10);
    if (valor > 0) caja.adjust(-paso, -paso, -2 * paso, -paso);
    DibujarLetra(p, caja, etiqueta.Banderas(), etiqueta.FuenteDibujada(), letra, color, hueca);
    DibujarValor(p, etiqueta.rect(), valor, color);
}

void EtiquetaFicha::PonerValor(int valor) {
    if (valor == valor_) return;
    valor_ = valor;
    update();
}

void EtiquetaFicha::PonerHueca(bool hueca) {
    if (hueca == hueca_) return;
    hueca_ = hueca;
    update();
}

void EtiquetaFicha::DibujarTexto(QPainter& p) {
    DibujarFicha(p, *this, Texto(), ColorTexto(), valor_, hueca_);
}

}  // namespace tablerix
