#pragma once
// The program's own pictures, drawn rather than shipped.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tablerix {

// A cream tile with a T, `lado` pixels square.
QImage DibujarIcono(int lado);
QIcon IconoVentana();
// The curved arrow of the take-back button, 14 x 9 at scale 1, drawn at any scale.
QPixmap FlechaDeshacer(double escala = 1.0);
// Tiles crossing on a piece of board, for the about window: 230 x 229 at scale 1.
QPixmap Logo(double escala = 1.0);

}  // namespace tablerix
