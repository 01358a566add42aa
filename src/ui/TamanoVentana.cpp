#include "ui/TamanoVentana.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/Aplicacion.h"
#include "ui/Escala.h"

namespace tablerix {
namespace {

constexpr char kClave[] = "Ver/Tamano";
constexpr double kParteDePantalla = 0.6;

bool Ofrecido(int porcentaje) {
    return std::find(kTamanos.begin(), kTamanos.end(), porcentaje) != kTamanos.end();
}

}  // namespace

int TamanoInicial(const QSize& ventana, const QSize& disponible) {
    for (auto p = kTamanos.rbegin(); p != kTamanos.rend(); ++p)
        if (ventana.width() * *p <= kParteDePantalla * 100 * disponible.width() &&
            ventana.height() * *p <= kParteDePantalla * 100 * disponible.height())
            return *p;
    return kTamanos.front();
}

int TamanoRecordado(const QSize& ventana, const QSize& disponible) {
    const int recordado = LeerAjuste(kClave, 0).toInt();
    return Ofrecido(recordado) ? recordado : TamanoInicial(ventana, disponible);
}

void RecordarTamano(int porcentaje) {
    GuardarAjuste(kClave, porcentaje);
}

int TamanoVecino(int porcentaje, int paso) {
    const auto actual = std::find(kTamanos.begin(), kTamanos.end(), porcentaje);
    const auto indice =
        std::clamp<std::ptrdiff_t>(actual - kTamanos.begin() + paso, 0, std::ssize(kTamanos) - 1);
    return kTamanos[indice];
}

bool CabeATamano(const QSize& contenido, const QMargins& marco, int porcentaje,
                 const QSize& disponible) {
    const QSize ventana(static_cast<int>(std::lround(contenido.width() * porcentaje / 100.0)),
                        static_cast<int>(std::lround(contenido.height() * porcentaje / 100.0)));
    const QSize exterior = ventana.grownBy(marco);
    return exterior.width() <= disponible.width() && exterior.height() <= disponible.height();
}

QMargins MarcoDeVentana(const QWidget* ventana, const QWidget* referencia) {
    const QWidget* medida = ventana->isVisible() || !referencia ? ventana : referencia;
    const QRect fuera = medida->frameGeometry(), dentro = medida->geometry();
    return {dentro.left() - fuera.left(), dentro.top() - fuera.top(),
            fuera.right() - dentro.right(), fuera.bottom() - dentro.bottom()};
}

QRect EnPantalla(const QSize& tamano, const QMargins& marco, const QPoint& centro,
                 const QRect& disponible) {
    QRect exterior(QPoint(), tamano.grownBy(marco).boundedTo(disponible.size()));
    exterior.moveCenter(centro);
    exterior.moveRight(std::min(exterior.right(), disponible.right()));
    exterior.moveBottom(std::min(exterior.bottom(), disponible.bottom()));
    exterior.moveLeft(std::max(exterior.left(), disponible.left()));
    exterior.moveTop(std::max(exterior.top(), disponible.top()));
    return exterior;
}

void ColocarExterior(QWidget* ventana, const QRect& exterior, const QMargins& marco) {
    ventana->setGeometry(exterior.marginsRemoved(marco));
}

void ColocarSobre(QWidget* ventana, const QSize& tamano, const QWidget* principal) {
    const QMargins marco = MarcoDeVentana(ventana, principal);
    const QRect disponible = (principal ? principal : ventana)->screen()->availableGeometry();
    const QPoint centro = principal && principal->isVisible() ? principal->frameGeometry().center()
                                                              : disponible.center();
    ColocarExterior(ventana, EnPantalla(tamano, marco, centro, disponible), marco);
}

}  // namespace tablerix
