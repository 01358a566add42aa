#include "ui/Imagenes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "game/Arranque.h"
#include "ui/ConversionQt.h"

namespace tablerix {
namespace {

const QColor kCrema(255, 255, 192);
const QColor kMadera(150, 105, 40);
const QColor kTinta(70, 40, 15);

int Escalado(int medida, double escala) {
    return static_cast<int>(std::lround(medida * escala));
}

// One tile with its letter and value in a square of side `lado` at `origen`.
void PintarFicha(QPainter& p, QPointF origen, double lado, const QString& letra, int valor) {
    const QRectF caja(origen, QSizeF(lado, lado));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(caja.translated(1.5, 1.5), lado * 0.12, lado * 0.12);
    p.setBrush(kCrema);
    p.setPen(QPen(kMadera, 1.0));
    p.drawRoundedRect(caja.adjusted(0.5, 0.5, -0.5, -0.5), lado * 0.12, lado * 0.12);
    QFont fuente(QStringLiteral("Liberation Sans"));
    fuente.setBold(true);
    fuente.setPixelSize(static_cast<int>(lado * 0.62));
    p.setFont(fuente);
    p.setPen(kTinta);
    p.drawText(caja.adjusted(0, -lado * 0.04, -lado * 0.08, 0), Qt::AlignCenter, letra);
    fuente.setPixelSize(static_cast<int>(lado * 0.26));
    p.setFont(fuente);
    p.drawText(caja.adjusted(0, 0, -lado * 0.1, -lado * 0.04), Qt::AlignRight | Qt::AlignBottom,
               QString::number(valor));
}

}  // namespace

QImage DibujarIcono(int lado) {
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 32.0, lado / 32.0);
    // The tile, drawn with shapes only so that it needs no font.
    p.setPen(QPen(kMadera, 1.5));
    p.setBrush(kCrema);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 255, 128));
    p.drawRect(QRectF(3, 3, 26, 3));
    p.setBrush(kTinta);
    p.drawRect(QRectF(7, 9, 16, 4.5));      // bar of the T
    p.drawRect(QRectF(12.75, 9, 4.5, 17));  // stem
    p.drawRect(QRectF(24, 20, 2.2, 6));     // its value, 1
    return imagen;
}

QIcon IconoVentana() {
    QIcon icono;
    for (int lado : {16, 32, 48, 64, 128, 256})
        icono.addPixmap(QPixmap::fromImage(DibujarIcono(lado)));
    return icono;
}

QPixmap FlechaDeshacer(double escala) {
    QImage imagen(Escalado(14, escala), Escalado(9, escala), QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    QPainterPath curva;
    curva.moveTo(4.0, 3.0);
    curva.lineTo(9.0, 3.0);
    curva.cubicTo(13.5, 3.0, 13.5, 8.0, 9.0, 8.0);
    curva.lineTo(6.0, 8.0);
    p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(curva);
    QPainterPath punta;
    punta.moveTo(0.5, 3.0);
    punta.lineTo(5.0, 0.0);
    punta.lineTo(5.0, 6.0);
    punta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(punta);
    return QPixmap::fromImage(imagen);
}

QPixmap Logo(double escala) {
    constexpr int kAncho = 230, kAlto = 229, kCelda = 27, kColumnas = 8, kFilas = 8;
    QImage imagen(Escalado(kAncho, escala), Escalado(kAlto, escala),
                  QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::black);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    const QPointF origen((kAncho - kColumnas * kCelda) / 2.0, (kAlto - kFilas * kCelda) / 2.0);
    auto celda = [&](int fila, int columna) {
        return origen + QPointF(columna * kCelda, fila * kCelda);
    };

    // A piece of the real board, its premium squares included, fading out towards the edges.
    ModeloVentana tablero;
    DisenoInicial(tablero);
    for (int f = 0; f < kFilas; ++f) {
        for (int c = 0; c < kColumnas; ++c) {
            const Color premio = tablero.Label1[(f + 3) * kLado + c + 3].Fondo;
            QColor fondo = premio == kColorVentana ? QColor(235, 235, 225) : AQColor(premio);
            const double distancia = std::hypot(f - 3.5, c - 3.5) / std::hypot(3.5, 3.5);
            const int alfa =
                static_cast<int>(std::lround(230 * std::pow(1.0 - distancia, 0.8)) + 25);
            fondo.setAlpha(alfa);
            p.setPen(QPen(QColor(60, 60, 60, alfa), 1));
            p.setBrush(fondo);
            p.drawRect(QRectF(celda(f, c), QSizeF(kCelda, kCelda)));
        }
    }

    struct Palabra {
        const char* letras;  // UTF-8
        const char* valores;
        int fila, columna;
        bool vertical;
    };
    // Crossing words; the shared squares are drawn twice with the same tile.
    const Palabra palabras[] = {{"TABLERIX", "11311118", 4, 0, false},
                                {"JUEGO", "81121", 2, 4, true},
                                {"AÑO", "181", 4, 1, true},
                                {"FAX", "418", 2, 7, true}};
    const double lado = kCelda - 2;
    for (const Palabra& palabra : palabras) {
        const QString letras = QString::fromUtf8(palabra.letras);
        for (int i = 0; i < letras.size(); ++i) {
            const int f = palabra.fila + (palabra.vertical ? i : 0);
            const int c = palabra.columna + (palabra.vertical ? 0 : i);
            PintarFicha(p, celda(f, c) + QPointF(1, 1), lado, letras.mid(i, 1),
                        palabra.valores[i] - '0');
        }
    }
    return QPixmap::fromImage(imagen);
}

}  // namespace tablerix
