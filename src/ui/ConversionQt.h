#pragma once
// Where the core's Windows-1252 text and colour values meet Qt.
#include <QColor>
#include <QRect>
#include <QString>
#include <string>

#include "game/ModeloVentana.h"
#include "game/Tipos.h"

namespace tablerix {

QString AQString(const std::string& cp1252);
QString AQString(char letra);
// A message box text: a '\r' (alone or before '\n') is a line break.
QString TextoDeMensaje(const std::string& cp1252);
// kColorVentana is the system's window background, as the palette has it.
QColor AQColor(Color color);
// A layout rectangle of the window model (100 % pixels).
QRect ARect(const Rectangulo& r);

}  // namespace tablerix
