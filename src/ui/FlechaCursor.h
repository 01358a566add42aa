#pragma once
// The keyboard's typing cursor on the board: an arrow over its square, across
// or down, placed from the square's layout rectangle. It takes no mouse input.
#include <QWidget>

#include "game/ModeloVentana.h"

namespace tablerix {

class FlechaCursor : public QWidget {
  public:
    explicit FlechaCursor(QWidget* padre);

    // Shows the model's cursor, or hides it when the cursor has no square.
    void Mostrar(const CursorTeclado& cursor);
    bool Abajo() const { return abajo_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    bool abajo_ = false;
};

}  // namespace tablerix
