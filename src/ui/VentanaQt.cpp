#include "ui/VentanaQt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <cctype>

#include "game/Arranque.h"
#include "ui/Aplicacion.h"
#include "ui/CajaMensaje.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"
#include "ui/TamanoVentana.h"
#include "ui/VentanaAyuda.h"
#include "ui/VistaPrevia.h"

namespace tablerix {

VentanaQt::VentanaQt() = default;
VentanaQt::~VentanaQt() = default;

void VentanaQt::CrearVentanaPrincipal(Juego& j) {
    form1_ = std::make_unique<Form1>(j);
}

bool VentanaQt::Arrancar(Juego& j, bool sembrarDelReloj, int nivel) {
    const bool arrancado = tablerix::Arrancar(j, sembrarDelReloj, nivel);
    form1_->Pintar();
    return arrancado;
}

namespace {

QMessageBox::Icon IconoQt(Icono icono) {
    switch (icono) {
        case Icono::Pregunta:
            return QMessageBox::Question;
        case Icono::Informacion:
            return QMessageBox::Information;
        case Icono::Exclamacion:
            break;
    }
    return QMessageBox::Warning;
}

}  // namespace

Respuesta VentanaQt::MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                                    Respuesta porDefecto) {
    form1_->Pintar();  // no box opens over a stale window
    QMessageBox caja(IconoQt(icono), QString::fromLatin1(kTituloPrograma), TextoDeMensaje(texto),
                     conCancelar ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                     form1_.get());
    caja.setTextFormat(Qt::PlainText);  // words from the list are never markup
    caja.setDefaultButton(conCancelar && porDefecto == Respuesta::Cancelar ? QMessageBox::Cancel
                                                                           : QMessageBox::Ok);
    // Closing the box answers Cancel.
    caja.setEscapeButton(conCancelar ? QMessageBox::Cancel : QMessageBox::Ok);
    AjustarCajaAlTamano(caja);
    if (form1_->j.Form1.PreguntaJuntoAlTablero) {
        const QRect lista(form1_->Cliente->mapToGlobal(form1_->lstPartida->pos()),
                          form1_->lstPartida->size());
        const QMargins marco = MarcoDeVentana(&caja, form1_.get());
        const QSize exterior = caja.sizeHint().grownBy(marco);
        const QRect pantalla = form1_->screen()->availableGeometry();
        ColocarExterior(&caja, QRect(JuntoAlTablero(lista, exterior, pantalla), exterior), marco);
    }
    caja.exec();
    return caja.clickedButton() == caja.button(QMessageBox::Ok) ? Respuesta::Aceptar
                                                                : Respuesta::Cancelar;
}

char VentanaQt::ElegirLetra(int izquierda, int arriba) {
    form1_->Pintar();
    Form3 elector(form1_.get());
    // The chooser's outer corner, title bar included, goes to the point.
    const QMargins marco = MarcoDeVentana(&elector, form1_.get());
    ColocarExterior(&elector,
                    QRect(form1_->frameGeometry().topLeft() + Escalar(QPoint(izquierda, arriba)),
                          elector.size().grownBy(marco)),
                    marco);
    elector.exec();
    return elector.LetraElegida();
}

void VentanaQt::MostrarProgreso(int modo, const std::function<void()>& trabajo) {
    form1_->Pintar();
    Form2 progreso(form1_.get(), modo, trabajo);
    progreso.Ejecutar();
}

void VentanaQt::MostrarAcercaDe() {
    FormQuillmar acercaDe(form1_.get());
    acercaDe.Mostrar();
    AnotarTiempo("about window closed");
}

void VentanaQt::MostrarVentanaPrincipal() {
    form1_->Mostrar();
}

void VentanaQt::Habilitar(bool habilitada) {
    form1_->setEnabled(habilitada);
}

void VentanaQt::ProcesarEventos() {
    form1_->Pintar();
    QCoreApplication::processEvents();
}

QUrl DireccionDeDocumento(const std::string& direccion) {
    // A scheme is two or more letters before the colon, so "C:" stays a path.
    const size_t dosPuntos = direccion.find(':');
    bool esDireccion = dosPuntos != std::string::npos && dosPuntos >= 2;
    for (size_t i = 0; esDireccion && i < dosPuntos; ++i) {
        const unsigned char c = static_cast<unsigned char>(direccion[i]);
        esDireccion = std::isalnum(c) || c == '+' || c == '-' || c == '.';
    }
    if (esDireccion) return QUrl(QString::fromLatin1(direccion.c_str()));
    return QUrl::fromLocalFile(QFile::decodeName(direccion.c_str()));
}

void VentanaQt::AbrirDocumento(const std::string& direccion) {
    const QUrl url = DireccionDeDocumento(direccion);
    // Minimal desktops may have no browser: a page of ours is then shown by us.
    if (!QDesktopServices::openUrl(url) && url.isLocalFile() && QFile::exists(url.toLocalFile())) {
        if (!ayuda_) ayuda_ = std::make_unique<VentanaAyuda>(form1_.get());
        ayuda_->Mostrar(url);
    }
}

void VentanaQt::ModeloCambiado() {
    if (repintePendiente_) return;
    repintePendiente_ = true;
    QTimer::singleShot(0, form1_.get(), [this] {
        repintePendiente_ = false;
        form1_->Pintar();
    });
}

void VentanaQt::PartidaTerminada() {
    if (form1_->MnuResumenAlTerminar->isChecked()) form1_->AbrirResumen();
}

}  // namespace tablerix
