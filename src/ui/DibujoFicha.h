#pragma once
// How a tile is drawn: its letter, hollow for a blank on the board so that it
// is told apart without colour, and the letter's value small in the lower right
// corner, as on real tiles. Sizes follow the tile's, so they scale with it.
#include "ui/Etiqueta.h"

namespace tablerix {

// A tile's letter and value as `etiqueta` lays out its text, in its own
// coordinates; a value of 0 is not shown, a hollow letter is only outlined.
void DibujarFicha(QPainter& p, const Etiqueta& etiqueta, const QString& letra, const QColor& color,
                  int valor, bool hueca);

// A board square, a rack slot or the floating tile.
class EtiquetaFicha : public Etiqueta {
  public:
    using Etiqueta::Etiqueta;

    void PonerValor(int valor);   // 0: no value shown
    void PonerHueca(bool hueca);  // a blank standing for its letter
    int Valor() const { return valor_; }
    bool Hueca() const { return hueca_; }

  protected:
    void DibujarTexto(QPainter& p) override;

  private:
    int valor_ = 0;
    bool hueca_ = false;
};

}  // namespace tablerix
