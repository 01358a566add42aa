#include "Contestador.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

#include "ui/Form2.h"

namespace tablerix::prueba {

Contestador::Contestador() {
    temporizador_.setInterval(10);
    QObject::connect(&temporizador_, &QTimer::timeout, [this] { Mirar(); });
    temporizador_.start();
}

Contestador::~Contestador() { temporizador_.stop(); }

void Contestador::Responder(QMessageBox::StandardButton boton) {
    Hacer([this, boton](QWidget* ventana) {
        auto* caja = qobject_cast<QMessageBox*>(ventana);
        if (!caja) {
            ++Inesperadas;
            static_cast<QDialog*>(ventana)->reject();
            return;
        }
        Cajas.push_back({caja->windowTitle(), caja->text(), caja->icon(), caja->standardButtons()});
        caja->button(boton)->click();
    });
}

void Contestador::Hacer(std::function<void(QWidget*)> accion) {
    respuestas_.push_back(std::move(accion));
}

void Contestador::Mirar() {
    QWidget* ventana = QApplication::activeModalWidget();
    if (!ventana || !ventana->isVisible() || ventana == atendida_) return;
    // The progress window closes by itself once its work is done.
    if (dynamic_cast<Form2*>(ventana)) return;
    atendida_ = ventana;
    if (respuestas_.empty() && siempre_ != QMessageBox::NoButton &&
        qobject_cast<QMessageBox*>(ventana))
        Responder(siempre_);
    if (respuestas_.empty()) {
        ++Inesperadas;
        if (auto* dialogo = qobject_cast<QDialog*>(ventana)) dialogo->done(QDialog::Rejected);
        return;
    }
    auto accion = std::move(respuestas_.front());
    respuestas_.pop_front();
    accion(ventana);
}

}  // namespace tablerix::prueba
