#pragma once
// The about window: splash at start-up and "Acerca de...". Black, framed; two
// links open the mail program and the browser; any other click or key closes it.
#include <QDialog>
#include <QLabel>

#include "ui/Etiqueta.h"

namespace tablerix {

inline constexpr char kCorreoContacto[] = "contacto@tablerix.example";
inline constexpr char kSitioWeb[] = "tablerix.example";

class FormQuillmar : public QDialog {
  public:
    explicit FormQuillmar(QWidget* principal);

    // Centred over the main window when it is on screen, else on the screen.
    void Mostrar();

    Forma* shpMarco;
    QLabel* imgIcono;
    Etiqueta* lblTitulo;
    Etiqueta* lblCreadoPor;
    QLabel* imgLogo;
    Etiqueta* lblTexEmail;
    Etiqueta* lblMail;
    Etiqueta* lblTexWeb;
    Etiqueta* lblURL;
    Etiqueta* lblTexto;
    Etiqueta* lblClick;

  protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void CopiarDePrincipal();

    QWidget* principal_;
};

}  // namespace tablerix
