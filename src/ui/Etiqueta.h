#pragma once
// A label as the windows are designed: fixed place, optional background and
// single-line border, word-wrapped text, all scaled to the window's size. It takes no mouse input;
// the window under it decides what a click means.
#include <QColor>
#include <QFont>
#include <QPainter>
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
    // A text too long for the label is drawn smaller rather than cut off.
    void EncogerParaCaber() { encoger_ = true; }

    const QString& Texto() const { return texto_; }
    const QColor& Fondo() const { return fondo_; }
    const QColor& ColorTexto() const { return colorTexto_; }
    bool Subrayado() const { return font().underline(); }
    // The font the text is drawn with: the label's at the window's size, or
    // smaller to make it fit.
    QFont FuenteDibujada() const;
    // Where and how the text is laid out inside the label.
    QRect CajaTexto() const;
    int Banderas() const { return static_cast<int>(alineacion_) | Qt::TextWordWrap; }

  protected:
    void paintEvent(QPaintEvent* evento) override;
    // Draws the text over the background and border; tiles draw more.
    virtual void DibujarTexto(QPainter& p);

  private:
    QString texto_;
    QColor fondo_;
    QColor colorTexto_{Qt::black};
    Qt::Alignment alineacion_;
    bool borde_;
    bool encoger_ = false;
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
