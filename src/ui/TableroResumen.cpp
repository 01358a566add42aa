#include "ui/TableroResumen.h"

#include "game/Ayudas.h"
#include "game/Premios.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/DibujoFicha.h"
#include "ui/Escala.h"
#include "ui/Rotulos.h"
#include "ui/VistaPrevia.h"

namespace tablerix {
namespace {

constexpr int kPaso = 18;
constexpr int kMargenIzquierdo = 16;  // the row numbers
constexpr int kMargenSuperior = 12;   // the column letters
constexpr int kLadoTablero = kPaso * kLado;
constexpr int kAltoLeyenda = 24;
const QColor kColorJugada(255, 176, 64);

QRect RectCasilla(int casilla) {
    return {kMargenIzquierdo + casilla % kLado * kPaso, kMargenSuperior + casilla / kLado * kPaso,
            kPaso + 1, kPaso + 1};
}

QColor FondoVacio(int casilla) {
    const TipoPremio* premio = PremioDeCasilla(casilla);
    return premio ? AQColor(premio->Fondo) : QColor(Qt::white);
}

}  // namespace

QSize TableroResumen::Tamano() {
    return {kMargenIzquierdo + kLadoTablero + 1, kMargenSuperior + kLadoTablero + kAltoLeyenda};
}

TableroResumen::TableroResumen(QWidget* padre, const QPoint& origen,
                               std::function<int(char)> valor)
    : QWidget(padre), valor_(std::move(valor)) {
    Colocar(this, QRect(origen, Tamano()));
    const QFont ficha = Fuente("Arial", 10, true);
    const QFont normal = Fuente("MS Sans Serif", 8);
    for (int i = 0; i < kCasillas; ++i)
        Casillas[i] = new EtiquetaFicha(this, RectCasilla(i), ficha, Qt::AlignCenter, true);

    QStringList columnas, filas;
    for (int k = 0; k < kLado; ++k) {
        columnas << AQString(NombreColumna(k));
        filas << AQString(NombreFila(k));
    }
    (new Rotulos(this, {kMargenIzquierdo, 0, kLadoTablero, kMargenSuperior}, kPaso, false, normal))
        ->Poner(columnas);
    (new Rotulos(this, {0, kMargenSuperior, kMargenIzquierdo - 2, kLadoTablero}, kPaso, true,
                 normal))
        ->Poner(filas);

    // The legend: a square of each kind, then its name.
    const int arriba = kMargenSuperior + kLadoTablero + 5;
    auto* muestraJugada =
        new EtiquetaFicha(this, {kMargenIzquierdo, arriba, kPaso, kPaso}, ficha, Qt::AlignCenter,
                          true);
    muestraJugada->PonerFondo(kColorJugada);
    muestraJugada->PonerTexto(QStringLiteral("A"));
    muestraJugada->PonerValor(valor_('A'));
    muestraMejor_ = new EtiquetaFicha(this, {kMargenIzquierdo + 120, arriba, kPaso, kPaso}, ficha,
                                      Qt::AlignCenter, true);
    muestraMejor_->PonerFondo(Qt::white);
    (new Etiqueta(this, {kMargenIzquierdo + kPaso + 4, arriba + 2, 96, kPaso}, normal))
        ->PonerTexto(QStringLiteral("Jugada hecha"));
    (new Etiqueta(this, {kMargenIzquierdo + 120 + kPaso + 4, arriba + 2, 120, kPaso}, normal))
        ->PonerTexto(QStringLiteral("Mejor jugada"));
    Mejor = new VistaPrevia(this, Tamano());
}

void TableroResumen::Mostrar(const FilaResumen& fila) {
    for (int i = 0; i < kCasillas; ++i) {
        const char letra = fila.Tablero[i];
        const bool ficha = letra != kCasillaVacia;
        Casillas[i]->PonerTexto(ficha ? AQString(letra) : QString());
        Casillas[i]->PonerValor(ficha ? valor_(letra) : 0);
        Casillas[i]->PonerHueca(ficha && fila.Blancos[i]);
        Casillas[i]->PonerFondo(ficha ? AQColor(kColorFicha) : FondoVacio(i));
    }
    for (const FichaPrevia& f : fila.FichasJugada) {
        Casillas[f.Casilla]->PonerTexto(AQString(f.Letra));
        Casillas[f.Casilla]->PonerValor(valor_(f.Letra));
        Casillas[f.Casilla]->PonerHueca(f.Blanco);
        Casillas[f.Casilla]->PonerFondo(kColorJugada);
    }
    // A tile of the best move on a square the move played filled too shows both marks.
    std::vector<VistaPrevia::Ficha> mejor{{muestraMejor_, QStringLiteral("A"), valor_('A'), false}};
    for (const FichaPrevia& f : fila.FichasMejor)
        mejor.push_back({Casillas[f.Casilla], AQString(f.Letra), valor_(f.Letra), f.Blanco});
    Mejor->Poner(mejor);
}

}  // namespace tablerix
