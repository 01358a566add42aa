#include "ui/TamanoVentana.h"

#include <algorithm>

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

}  // namespace tablerix
