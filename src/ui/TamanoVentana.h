#pragma once
// Which size the windows open at: the player's last choice, remembered per
// user, or at the very first start the largest that suits the screen.
#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tablerix {

// The largest offered size at which a window of `ventana` pixels at 100 %
// fits in about 60 % of the screen's available width and height; never below 100.
int TamanoInicial(const QSize& ventana, const QSize& disponible);

// The remembered size, or TamanoInicial when none (or an unknown one) is.
int TamanoRecordado(const QSize& ventana, const QSize& disponible);
void RecordarTamano(int porcentaje);

// The offered size one step bigger (paso 1) or smaller (-1), kept within the range.
int TamanoVecino(int porcentaje, int paso);

// Whether a window of `contenido` pixels at 100 %, inside `marco`, the
// title bar and borders (the desktop's, which do not follow the size), fits
// in the screen's `disponible` area at `porcentaje`.
bool CabeATamano(const QSize& contenido, const QMargins& marco, int porcentaje,
                 const QSize& disponible);

// The title bar and borders around a shown window; before it has been shown,
// those of `referencia` (the main window), as the same desktop draws both.
QMargins MarcoDeVentana(const QWidget* ventana, const QWidget* referencia = nullptr);

// The outer rectangle for a window of `tamano` content inside `marco`: cut
// to the available area, centred on `centro` and kept within the area.
QRect EnPantalla(const QSize& tamano, const QMargins& marco, const QPoint& centro,
                 const QRect& disponible);

// Places a window so that its outer rectangle, title bar included, is
// `exterior`. A window not yet shown has no frame the platform knows of, so
// it is placed by its inside and `marco`.
void ColocarExterior(QWidget* ventana, const QRect& exterior, const QMargins& marco);

// Sizes `ventana` (a window without a layout's fixed size) to `tamano` or
// less and centres it over `principal`, all of it on the screen.
void ColocarSobre(QWidget* ventana, const QSize& tamano, const QWidget* principal);

}  // namespace tablerix
