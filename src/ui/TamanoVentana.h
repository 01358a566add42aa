#pragma once
// Which size the windows open at: the player's last choice, remembered per
// user, or at the very first start the largest that suits the screen.
#include <QSize>

namespace tablerix {

// The largest offered size at which a window of `ventana` pixels at 100 %
// fits in about 60 % of the screen's available width and height; never below 100.
int TamanoInicial(const QSize& ventana, const QSize& disponible);

// The remembered size, or TamanoInicial when none (or an unknown one) is.
int TamanoRecordado(const QSize& ventana, const QSize& disponible);
void RecordarTamano(int porcentaje);

// The offered size one step bigger (paso 1) or smaller (-1), kept within the range.
int TamanoVecino(int porcentaje, int paso);

}  // namespace tablerix
