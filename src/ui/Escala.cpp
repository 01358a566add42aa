#include "ui/Escala.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tablerix {
namespace {

int porcentaje_ = 100;

constexpr char kRectangulo[] = "tablerixRectangulo";
constexpr char kFuente[] = "tablerixFuente";
constexpr char kTamanoFijo[] = "tablerixTamanoFijo";

void Aplicar(QWidget* widget) {
    if (const QVariant r = widget->property(kRectangulo); r.isValid())
        widget->setGeometry(Escalar(r.toRect()));
    if (const QVariant f = widget->property(kFuente); f.isValid())
        widget->setFont(Escalar(f.value<QFont>()));
    if (const QVariant t = widget->property(kTamanoFijo); t.isValid())
        widget->setFixedSize(Escalar(t.toSize()));
}

}  // namespace

int TamanoVentanas() {
    return porcentaje_;
}

void PonerTamanoVentanas(int porcentaje) {
    porcentaje_ = porcentaje;
}

double FactorEscala() {
    return porcentaje_ / 100.0;
}

int Escalar(int medida) {
    return static_cast<int>(std::lround(medida * FactorEscala()));
}

QPoint Escalar(const QPoint& punto) {
    return {Escalar(punto.x()), Escalar(punto.y())};
}

QSize Escalar(const QSize& tamano) {
    return {Escalar(tamano.width()), Escalar(tamano.height())};
}

QRect Escalar(const QRect& diseno) {
    const QPoint arriba = Escalar(diseno.topLeft());
    const QPoint abajo = Escalar(diseno.topLeft() + QPoint(diseno.width(), diseno.height()));
    return {arriba, QSize(abajo.x() - arriba.x(), abajo.y() - arriba.y())};
}

QFont Escalar(const QFont& diseno) {
    QFont fuente = diseno;
    if (diseno.pixelSize() > 0)
        fuente.setPixelSize(std::max(1, Escalar(diseno.pixelSize())));
    else
        fuente.setPointSizeF(diseno.pointSizeF() * FactorEscala());
    return fuente;
}

void Colocar(QWidget* widget, const QRect& diseno) {
    const QVariant antes = widget->property(kRectangulo);
    if (antes.isValid() && antes.toRect() == diseno) return;
    if (!widget->property(kFuente).isValid()) widget->setProperty(kFuente, QApplication::font());
    widget->setProperty(kRectangulo, diseno);
    Aplicar(widget);
}

void PonerFuente(QWidget* widget, const QFont& diseno) {
    widget->setProperty(kFuente, diseno);
    widget->setFont(Escalar(diseno));
}

void FijarTamano(QWidget* widget, const QSize& diseno) {
    widget->setProperty(kTamanoFijo, diseno);
    widget->setFixedSize(Escalar(diseno));
}

QRect Diseno(const QWidget* widget) {
    return widget->property(kRectangulo).toRect();
}

QFont FuenteDeDiseno(const QWidget* widget) {
    const QVariant fuente = widget->property(kFuente);
    return fuente.isValid() ? fuente.value<QFont>() : QApplication::font();
}

bool Colocado(const QWidget* widget) {
    return widget->property(kRectangulo).isValid();
}

void Reescalar(QWidget* raiz) {
    Aplicar(raiz);
    for (QWidget* widget : raiz->findChildren<QWidget*>()) Aplicar(widget);
}

}  // namespace tablerix
