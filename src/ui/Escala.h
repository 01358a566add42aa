#pragma once
// The windows are laid out in the pixels of their 100 % design. Every widget is
// placed and given its font through here, so that one size scales the whole
// window as a picture, with real fonts at the scaled size.
#include <QFont>
#include <QRect>
#include <array>

class QWidget;

namespace tablerix {

// The sizes offered, in percent.
inline constexpr std::array<int, 7> kTamanos{100, 125, 150, 175, 200, 250, 300};

// The size every window is drawn at, in percent. Setting it moves nothing by
// itself: windows created afterwards follow it, a shown one calls Reescalar.
int TamanoVentanas();
void PonerTamanoVentanas(int porcentaje);
double FactorEscala();

// Layout pixels to screen pixels at the current size. A rectangle maps its
// edges, so squares that share a pixel keep sharing one.
int Escalar(int medida);
QPoint Escalar(const QPoint& punto);
QSize Escalar(const QSize& tamano);
QRect Escalar(const QRect& diseno);
QFont Escalar(const QFont& diseno);

// A widget's layout rectangle, font (the application's when not given) and,
// for a window or the main window's client area, fixed size. Each is applied
// at once and again by every Reescalar.
void Colocar(QWidget* widget, const QRect& diseno);
void PonerFuente(QWidget* widget, const QFont& diseno);
void FijarTamano(QWidget* widget, const QSize& diseno);
QRect Diseno(const QWidget* widget);
QFont FuenteDeDiseno(const QWidget* widget);
bool Colocado(const QWidget* widget);

// Applies the current size to `raiz` and everything placed below it.
void Reescalar(QWidget* raiz);

}  // namespace tablerix
