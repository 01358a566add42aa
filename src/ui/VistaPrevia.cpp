#include "ui/VistaPrevia.h"

#include <QPainter>
#include <algorithm>

#include "ui/DibujoFicha.h"
#include "ui/Escala.h"

namespace tablerix {
namespace {

const QColor kFondoPrevia(255, 255, 192, 150);

}  // namespace

VistaPrevia::VistaPrevia(QWidget* padre, const QSize& tamano) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Colocar(this, QRect(QPoint(), tamano));
    hide();
}

void VistaPrevia::Poner(const std::vector<Ficha>& fichas) {
    const bool igual = std::equal(fichas.begin(), fichas.end(), fichas_.begin(), fichas_.end(),
                                  [](const Ficha& a, const Ficha& b) {
                                      return a.Casilla == b.Casilla && a.Letra == b.Letra &&
                                             a.Valor == b.Valor && a.Blanco == b.Blanco;
                                  });
    if (igual) return;
    fichas_ = fichas;
    setVisible(!fichas_.empty());
    if (!fichas_.empty()) raise();
    update();
}

void VistaPrevia::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Ficha& ficha : fichas_) {
        const EtiquetaFicha& casilla = *ficha.Casilla;
        p.save();
        p.translate(casilla.pos());
        const QRect caja = casilla.rect().adjusted(1, 1, -2, -2);
        p.fillRect(caja, kFondoPrevia);
        p.setPen(QPen(kTintaPrevia, 1, Qt::DashLine));
        p.drawRect(caja);
        DibujarFicha(p, casilla, ficha.Letra, kTintaPrevia, ficha.Valor, ficha.Blanco);
        p.restore();
    }
}

QPoint JuntoAlTablero(const QRect& lista, const QSize& caja, const QRect& pantalla) {
    const int izquierda =
        std::max(pantalla.left(), std::min(lista.left(), pantalla.right() + 1 - caja.width()));
    const int arriba =
        std::max(pantalla.top(), std::min(lista.top(), pantalla.bottom() + 1 - caja.height()));
    return {izquierda, arriba};
}

}  // namespace tablerix
