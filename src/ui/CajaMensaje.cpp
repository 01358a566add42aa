#include "ui/CajaMensaje.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

#include "ui/Escala.h"

namespace tablerix {
namespace {

// The title bar's icon, up to three buttons and their margins.
constexpr int kRestoDelTitulo = 160;

QStyle::StandardPixmap Dibujo(QMessageBox::Icon icono) {
    switch (icono) {
        case QMessageBox::Question:
            return QStyle::SP_MessageBoxQuestion;
        case QMessageBox::Warning:
            return QStyle::SP_MessageBoxWarning;
        case QMessageBox::Critical:
            return QStyle::SP_MessageBoxCritical;
        default:
            break;
    }
    return QStyle::SP_MessageBoxInformation;
}

}  // namespace

int AnchoParaTitulo(const QString& titulo) {
    // Title bars commonly draw the title in bold, a little larger than text.
    QFont fuente = QApplication::font();
    fuente.setBold(true);
    return QFontMetrics(fuente).horizontalAdvance(titulo) * 6 / 5 + kRestoDelTitulo;
}

void AjustarCajaAlTamano(QMessageBox& caja) {
    PonerFuente(&caja, QApplication::font());
    // Qt draws the icon, the one label holding a picture, at the style's size.
    QStyle* estilo = caja.style();
    const int lado = estilo->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &caja);
    const QSize tamano = Escalar(QSize(lado, lado));
    for (QLabel* icono : caja.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (icono->pixmap().isNull() || caja.icon() == QMessageBox::NoIcon) continue;
        // A style may have no picture that large: its largest is then enlarged.
        const QPixmap dibujo =
            estilo->standardIcon(Dibujo(caja.icon()), nullptr, &caja).pixmap(tamano);
        icono->setPixmap(dibujo.size() == tamano ? dibujo
                                                 : dibujo.scaled(tamano, Qt::KeepAspectRatio,
                                                                 Qt::SmoothTransformation));
    }
    const int iconoBoton = estilo->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, &caja);
    for (QAbstractButton* boton : caja.buttons()) {
        boton->setMinimumSize(Escalar(QSize(75, 23)));
        boton->setIconSize(Escalar(QSize(iconoBoton, iconoBoton)));
    }
    // Qt makes room for the title by its own measure, too short for most title bars.
    if (auto* botones = caja.findChild<QDialogButtonBox*>())
        botones->setMinimumWidth(AnchoParaTitulo(caja.windowTitle()));
}

}  // namespace tablerix
