#pragma once
// Keyboard play on the main window: the keys the game takes are sent to it
// (Form_Tecla) before the focused control sees them; the others, menu keys
// and keys with Ctrl or Alt go on as before.
#include <QObject>

namespace tablerix {

class Form1;

class TecladoFichas : public QObject {
  public:
    explicit TecladoFichas(Form1& ventana);

    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    Form1& ventana_;
};

}  // namespace tablerix
