#include "ui/FormQuillmar.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "ui/Aplicacion.h"
#include "ui/Escala.h"
#include "ui/Imagenes.h"
#include "ui/TamanoVentana.h"

namespace tablerix {
namespace {

const QColor kGrisClaro(192, 192, 192);
const QColor kEnlace(51, 153, 255);

constexpr char kCondiciones[] =
    "Tablerix se ofrece tal cual, sin garantía alguna. Puedes usarlo y copiarlo "
    "libremente sin fines comerciales, conservando este aviso.";

}  // namespace

FormQuillmar::FormQuillmar(QWidget* principal) : QDialog(principal), principal_(principal) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    FijarTamano(this, {284, 420});
    setAutoFillBackground(true);
    QPalette colores = palette();
    colores.setColor(QPalette::Window, Qt::black);
    setPalette(colores);
    setMouseTracking(true);

    const QFont normal = Fuente("MS Sans Serif", 8);
    auto etiqueta = [&](QRect posicion, const QColor& color, const QString& texto,
                        const QFont& fuente, Qt::Alignment alineacion = Qt::AlignLeft) {
        auto* e = new Etiqueta(this, posicion, fuente, alineacion);
        e->PonerColorTexto(color);
        e->PonerTexto(texto);
        return e;
    };
    auto imagen = [&](QRect posicion, const QPixmap& dibujo) {
        auto* i = new QLabel(this);
        Colocar(i, posicion);
        i->setPixmap(dibujo);
        i->setAttribute(Qt::WA_TransparentForMouseEvents);
        return i;
    };

    imgIcono = imagen({23, 12, 32, 32}, {});
    lblTitulo = etiqueta({64, 12, 197, 25}, Qt::white, {}, Fuente("Arial Black", 12));
    lblCreadoPor = etiqueta({64, 32, 153, 17}, Qt::white,
                            QStringLiteral("Creado por Quillmar-Software"), normal);
    imgLogo = imagen({27, 54, 230, 229}, Logo(FactorEscala()));
    lblTexEmail = etiqueta({72, 291, 49, 17}, kGrisClaro, QStringLiteral("Email: "), normal);
    lblMail = etiqueta({107, 290, 105, 16}, kEnlace, QString::fromLatin1(kCorreoContacto), normal);
    lblTexWeb = etiqueta({73, 309, 41, 17}, kGrisClaro, QStringLiteral("Web:"), normal);
    lblURL = etiqueta({109, 307, 99, 16}, kEnlace, QString::fromLatin1(kSitioWeb), normal);
    // The designed width runs past the window's edge; the text wraps inside it.
    lblTexto = etiqueta({16, 332, 284 - 16 - 12, 67}, kGrisClaro, QString::fromUtf8(kCondiciones),
                        Fuente("Arial", 9));
    lblClick = etiqueta({187, 397, 88, 14}, QColor(255, 255, 192),
                        QStringLiteral("[click para cerrar]"), normal, Qt::AlignHCenter);
    // The links keep their designed place and grow to show the whole address.
    for (Etiqueta* enlace : {lblMail, lblURL}) {
        QRect lugar = Diseno(enlace);
        const int texto = QFontMetrics(enlace->font()).horizontalAdvance(enlace->Texto());
        lugar.setWidth(
            std::max(lugar.width(), static_cast<int>(std::ceil(texto / FactorEscala())) + 2));
        Colocar(enlace, lugar);
    }
    shpMarco = new Forma(this, {0, 0, 284, 420}, Qt::white, false);
    CopiarDePrincipal();
}

void FormQuillmar::Mostrar() {
    ColocarSobre(this, size(), principal_);
    exec();
}

void FormQuillmar::CopiarDePrincipal() {
    if (!principal_) return;
    lblTitulo->PonerTexto(principal_->windowTitle());
    setWindowIcon(principal_->windowIcon());
    imgIcono->setPixmap(principal_->windowIcon().pixmap(Escalar(QSize(32, 32))));
}

void FormQuillmar::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    AnotarTiempo("about window shown");
    CopiarDePrincipal();
}

void FormQuillmar::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) CopiarDePrincipal();
}

void FormQuillmar::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint punto = evento->position().toPoint();
    const bool sobreCorreo = lblMail->geometry().contains(punto);
    const bool sobreWeb = lblURL->geometry().contains(punto);
    lblMail->PonerSubrayado(sobreCorreo);
    lblURL->PonerSubrayado(sobreWeb);
    setCursor(sobreCorreo || sobreWeb ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void FormQuillmar::mousePressEvent(QMouseEvent* evento) {
    const QPoint punto = evento->position().toPoint();
    // The shell's answer is ignored: with no mail program or browser nothing happens.
    if (lblMail->geometry().contains(punto))
        QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + lblMail->Texto()));
    else if (lblURL->geometry().contains(punto))
        QDesktopServices::openUrl(QUrl(QStringLiteral("http://") + lblURL->Texto()));
    else
        accept();
}

void FormQuillmar::keyPressEvent(QKeyEvent*) {
    accept();
}

}  // namespace tablerix
