#include "ui/ConversionQt.h"

#include <QApplication>
#include <QPalette>

#include "wordlist/Texto.h"

namespace tablerix {

QString AQString(const std::string& cp1252) {
    return QString::fromUtf8(AUtf8(cp1252));
}

QString AQString(char letra) {
    return AQString(std::string(1, letra));
}

QString TextoDeMensaje(const std::string& cp1252) {
    QString texto = AQString(cp1252);
    texto.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    texto.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texto;
}

QColor AQColor(Color color) {
    if (color == kColorVentana) return QApplication::palette().color(QPalette::Base);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QRect ARect(const Rectangulo& r) {
    return {r.Izquierda, r.Arriba, r.Ancho, r.Alto};
}

}  // namespace tablerix
