#pragma once
// The progress window shown while the word list is loaded or saved. The work
// runs from a one-shot trigger, once this window and the main window behind
// it are on screen and painted, and the window closes itself when it is done;
// the user cannot close it before.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <exception>
#include <functional>

namespace tablerix {

class Etiqueta;

class Form2 : public QDialog {
  public:
    // modo 1 loads, 2 saves.
    Form2(QWidget* principal, int modo, std::function<void()> trabajo);

    // Shows the window modally until the work is done; rethrows what the work threw.
    void Ejecutar();

    const int Modo;
    Etiqueta* lblProceso;
    QTimer Timer1;  // load
    QTimer Timer2;  // save

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

  private:
    void Trabajar(QTimer& temporizador, const char* texto);

    std::function<void()> trabajo_;
    std::exception_ptr error_;
    QElapsedTimer desdeMostrada_;
    bool terminado_ = false;
};

}  // namespace tablerix
