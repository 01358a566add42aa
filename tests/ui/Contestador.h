#pragma once
// Answers the modal windows a test opens: a short repeating timer finds the
// active modal widget and applies the next queued answer to it.
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

namespace tablerix::prueba {

struct CajaVista {
    QString Titulo;
    QString Texto;
    QMessageBox::Icon Icono;
    QMessageBox::StandardButtons Botones;
};

class Contestador {
public:
    Contestador();
    ~Contestador();

    // The next message box is answered with this button.
    void Responder(QMessageBox::StandardButton boton);
    // The next modal window of any kind is handed to `accion`.
    void Hacer(std::function<void(QWidget*)> accion);
    // Message boxes found with nothing queued are answered with this button.
    void ResponderSiempre(QMessageBox::StandardButton boton) { siempre_ = boton; }

    std::vector<CajaVista> Cajas;  // every message box answered, in order
    int Inesperadas = 0;           // modal windows found with nothing queued (closed)
    bool Vacio() const { return respuestas_.empty(); }

private:
    void Mirar();

    QTimer temporizador_;
    std::deque<std::function<void(QWidget*)>> respuestas_;
    QPointer<QWidget> atendida_;
    QMessageBox::StandardButton siempre_ = QMessageBox::NoButton;
};

}  // namespace tablerix::prueba
