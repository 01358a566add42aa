#pragma once
// Application-wide settings shared by the program and the window tests.
#include <QApplication>
#include <QFont>
#include <QVariant>

namespace tablerix {

inline constexpr char kTituloPrograma[] = "Tablerix";

// A font by its design-time family and point size, held in pixels so that the
// fixed layout does not move with the screen's resolution.
QFont Fuente(const char* familia, double puntos, bool negrita = false);

// The player's settings, per user (~/.config/tablerix.conf).
QVariant LeerAjuste(const char* clave, const QVariant& porDefecto);
void GuardarAjuste(const char* clave, const QVariant& valor);

// The names that make the per-user data folder .../tablerix.
void NombrarAplicacion();
// Names, font substitutes, the default font, the window icon and Qt's Spanish
// translation.
void PrepararAplicacion(QApplication& app);

// With TABLERIX_TIEMPOS set, prints the wall clock (ms since the epoch) and
// `que` on standard error: start-up is timed from outside with it.
void AnotarTiempo(const char* que);

}  // namespace tablerix
