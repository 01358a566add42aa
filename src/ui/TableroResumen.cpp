#include "ui/TableroResumen.h"

#include <algorithm>

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

TableroResumen::TableroResumen(QWidget* padre, const QPoint& origen, std::function<int(char)> valor)
    : QWidget(padre), valor_(std::move(valor)) {
    Colocar(this, QRect(origen, Tamano()));
    const QFont ficha = Fuente("Arial", 10, true);
    const QFont normal = Fuente("MS Sans Serif", 8);
    for (int i = 0; i < kCasillas; ++i)
        Casillas[i] = new EtiquetaFicha(this, RectCasilla(i), ficha, Qt::AlignCenter, true);

    (new Rotulos(this, {kMargenIzquierdo, 0, kLadoTablero, kMargenSuperior}, kPaso, false, normal))
        ->Poner(NombresDeColumnas());
    (new Rotulos(this, {0, kMargenSuperior, kMargenIzquierdo - 2, kLadoTablero}, kPaso, true,
                 normal))
        ->Poner(NombresDeFilas());

    // The legend: a tile of each kind, then its name.
    const int arriba = kMargenSuperior + kLadoTablero + 5;
    const struct {
        const char* nombre;
        QColor fondo, tinta;
    } muestras[] = {{"Jugada hecha", kColorJugada, Qt::black},
                    {"Mejor jugada", Qt::white, kTintaPrevia},
                    {"Las dos", kColorJugada, kTintaPrevia}};
    for (int k = 0; k < 3; ++k) {
        const int izquierda = kMargenIzquierdo + 96 * k;
        auto* muestra = new EtiquetaFicha(this, {izquierda, arriba, kPaso, kPaso}, ficha,
                                          Qt::AlignCenter, true);
        muestra->PonerTexto(QStringLiteral("A"));
        muestra->PonerValor(valor_('A'));
        muestra->PonerFondo(muestras[k].fondo);
        muestra->PonerColorTexto(muestras[k].tinta);
        (new Etiqueta(this, {izquierda + kPaso + 3, arriba + 2, 72, kPaso}, normal))
            ->PonerTexto(QString::fromUtf8(muestras[k].nombre));
        if (k == 1) muestraMejor_ = muestra;
    }
    mejor_ = new VistaPrevia(this, Tamano());
}

void TableroResumen::Mostrar(const FilaResumen& fila) {
    auto poner = [this](int i, char letra, bool blanco, const QColor& fondo) {
        Casillas[i]->PonerTexto(AQString(letra));
        Casillas[i]->PonerValor(valor_(letra));
        Casillas[i]->PonerHueca(blanco);
        Casillas[i]->PonerFondo(fondo);
        Casillas[i]->PonerColorTexto(Qt::black);
    };
    for (int i = 0; i < kCasillas; ++i) {
        if (fila.Tablero[i] != kCasillaVacia)
            poner(i, fila.Tablero[i], fila.Blancos[i], AQColor(kColorFicha));
        else
            poner(i, kCasillaVacia, false, FondoVacio(i));
    }
    for (const FichaPrevia& f : fila.FichasJugada)
        poner(f.Casilla, f.Letra, f.Blanco, kColorJugada);
    // A tile the best move shares with the move played keeps the played colour
    // in the best move's ink; the others are drawn over the board as proposed.
    std::vector<VistaPrevia::Ficha> mejor{{muestraMejor_, QStringLiteral("A"), valor_('A'), false}};
    for (const FichaPrevia& f : fila.FichasMejor) {
        const bool compartida = std::find(fila.FichasJugada.begin(), fila.FichasJugada.end(), f) !=
                                fila.FichasJugada.end();
        if (compartida)
            Casillas[f.Casilla]->PonerColorTexto(kTintaPrevia);
        else
            mejor.push_back({Casillas[f.Casilla], AQString(f.Letra), valor_(f.Letra), f.Blanco});
    }
    mejor_->Poner(mejor);
}

}  // namespace tablerix
