#include "ui/ArrastreFichas.h"

#include <QMouseEvent>
#include <utility>

#include "app/Eventos.h"
#include "game/Colocacion.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/DibujoFicha.h"
#include "ui/Form1.h"

namespace tablerix {

ArrastreFichas::ArrastreFichas(Form1& ventana)
    : ventana_(ventana),
      fichaFlotante_(new EtiquetaFicha(ventana.Cliente, {0, 0, 25, 25}, Fuente("Arial", 14, true),
                                       Qt::AlignCenter, true)) {
    fichaFlotante_->setObjectName(QStringLiteral("fichaFlotante"));
    fichaFlotante_->hide();
    ventana.Cliente->installEventFilter(this);
}

bool ArrastreFichas::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != ventana_.Cliente) return false;
    switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* raton = static_cast<QMouseEvent*>(evento);
            Pulsar(raton->button(), raton->position().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            Mover(static_cast<QMouseEvent*>(evento)->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease: {
            auto* raton = static_cast<QMouseEvent*>(evento);
            if (raton->button() == Qt::LeftButton) Soltar(raton->position().toPoint());
            return true;
        }
        default:
            return false;
    }
}

void ArrastreFichas::Pulsar(Qt::MouseButton boton, const QPoint& punto) {
    Juego& j = ventana_.j;
    if (arrastrando_ || (boton != Qt::LeftButton && boton != Qt::RightButton)) return;
    if (const int casilla = ventana_.CasillaEn(punto); casilla >= 0) {
        Casilla_Pulsar(j, casilla, boton == Qt::RightButton);
        if (boton == Qt::LeftButton && PuedeArrastrarCasilla(j, casilla)) {
            Casilla_EmpezarArrastre(j, casilla);
            EmpezarArrastre(*ventana_.Label1[casilla], punto);
        }
        if (boton == Qt::LeftButton && !arrastrando_) casillaPulsada_ = casilla;
    } else if (const int ranura = ventana_.RanuraEn(punto);
               ranura >= 0 && boton == Qt::LeftButton) {
        if (PuedeArrastrarAtril(j, ranura)) {
            Atril_EmpezarArrastre(j, ranura);
            EmpezarArrastre(*ventana_.Label5[ranura], punto);
        } else {
            Atril_Pulsar(j, ranura);
        }
    }
    ventana_.Pintar();
}

void ArrastreFichas::EmpezarArrastre(const QWidget& origen, const QPoint& punto) {
    // The game may refuse (another handler running): then nothing is dragged.
    if (ventana_.j.Jugada.FichaArrastrada.Indice < 0) return;
    const auto& etiqueta = static_cast<const EtiquetaFicha&>(origen);
    fichaFlotante_->PonerTexto(etiqueta.Texto());
    fichaFlotante_->PonerValor(etiqueta.Valor());
    fichaFlotante_->PonerHueca(etiqueta.Hueca());
    fichaFlotante_->PonerFondo(AQColor(kColorFicha));
    fichaFlotante_->PonerColorTexto(etiqueta.ColorTexto());
    agarre_ = punto - origen.pos();
    fichaFlotante_->move(punto - agarre_);
    fichaFlotante_->show();
    fichaFlotante_->raise();
    arrastrando_ = true;
}

void ArrastreFichas::Mover(const QPoint& punto) {
    if (arrastrando_) fichaFlotante_->move(punto - agarre_);
}

void ArrastreFichas::Soltar(const QPoint& punto) {
    Juego& j = ventana_.j;
    if (!arrastrando_) {
        // Released on the square it was pressed on: a click, which aims the cursor.
        const int pulsada = std::exchange(casillaPulsada_, -1);
        if (pulsada >= 0 && ventana_.CasillaEn(punto) == pulsada) {
            Casilla_Click(j, pulsada);
            ventana_.Pintar();
        }
        return;
    }
    arrastrando_ = false;
    fichaFlotante_->hide();
    if (const int casilla = ventana_.CasillaEn(punto); casilla >= 0)
        Casilla_Soltar(j, casilla);
    else if (const int ranura = ventana_.RanuraEn(punto); ranura >= 0)
        Atril_Soltar(j, ranura);
    else
        Fuera_Soltar(j);
    ventana_.Pintar();
}

}  // namespace tablerix
