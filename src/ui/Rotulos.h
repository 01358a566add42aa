#pragma once
// A row (or column) of short texts, one centred in each cell of a fixed pitch:
// the board's coordinates, the tiles still to come. Placed through ui/Escala.h
// and transparent to the mouse.
#include <QStringList>
#include <QWidget>

namespace tablerix {

class Rotulos : public QWidget {
  public:
    Rotulos(QWidget* padre, const QRect& diseno, int paso, bool vertical, const QFont& fuente);
    void Poner(const QStringList& textos);
    const QStringList& Textos() const { return textos_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    int paso_;
    bool vertical_;
    QStringList textos_;
};

// The board's columns A–O and rows 1–15, as players name them.
QStringList NombresDeColumnas();
QStringList NombresDeFilas();

}  // namespace tablerix
