#pragma once
// The program's own pictures, drawn rather than shipped.
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tablerix {

// A cream tile with a T, `lado` pixels square.
QImage DibujarIcono(int lado);
QIcon IconoVentana();
// The 14 x 9 curved arrow of the take-back button.
QPixmap FlechaDeshacer();
// 230 x 229: tiles crossing on a piece of board, for the about window.
QPixmap Logo();

}  // namespace tablerix
