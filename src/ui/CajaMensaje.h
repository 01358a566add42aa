#pragma once
// Message boxes drawn at the size chosen under "Ver".
#include <QString>

class QMessageBox;

namespace tablerix {

// The box's text, icon and buttons at the current size, and the box wide
// enough for the desktop to show its whole title. Call before it is placed.
void AjustarCajaAlTamano(QMessageBox& caja);

// The least width of a window whose title bar shows `titulo` whole, beside
// the bar's icon and buttons, which do not follow "Ver".
int AnchoParaTitulo(const QString& titulo);

}  // namespace tablerix
