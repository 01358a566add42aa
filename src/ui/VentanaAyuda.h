#pragma once
// The instructions shown by the program itself when the desktop cannot open
// them: a plain HTML viewer beside the main window, not modal.
#include <QDialog>
#include <QTextBrowser>
#include <QUrl>

namespace tablerix {

class VentanaAyuda : public QDialog {
  public:
    explicit VentanaAyuda(QWidget* principal);

    // Loads the page and brings the window to the front.
    void Mostrar(const QUrl& pagina);

    QTextBrowser* Texto;

  private:
    bool colocada_ = false;
};

}  // namespace tablerix
