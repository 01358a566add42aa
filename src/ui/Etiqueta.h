#pragma once
// A label as the windows are designed: fixed place, optional background and
// single-line border, word-wrapped text. It takes no mouse input; the window
// under it decides what a click means.
#include <QColor>
#include <QFont>
#include <QWidget>

namespace tablerix {

class Etiqueta : public QWidget {
public:
    Etiqueta(QWidget* padre, const QRect& geometria, const QFont& fuente,
             Qt::Alignment alineacion = Qt::AlignLeft, bool borde = false);

    void PonerTexto(const QString& texto);
    void PonerFondo(const QColor& fondo);  // invalid colour: transparent
    void PonerColorTexto(const QColor& color);
    void PonerSubrayado(bool subrayado);

    const QString& Texto() const { return texto_; }
    const QColor& Fondo() const { return fondo_; }
    const QColor& ColorTexto() const { return colorTexto_; }
    bool Subrayado() const { return fuente_.underline(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString texto_;
    QColor fondo_;
    QColor colorTexto_{Qt::black};
    QFont fuente_;
    Qt::Alignment alineacion_;
    bool borde_;
};

// A rectangle: an outline, or filled.
class Forma : public QWidget {
public:
    Forma(QWidget* padre, const QRect& geometria, const QColor& color, bool rellena,
          int grosor = 1);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QColor color_;
    bool rellena_;
    int grosor_;
};

}  // namespace tablerix
