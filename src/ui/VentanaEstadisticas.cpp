#include "ui/VentanaEstadisticas.h"

#include <QHeaderView>
#include <QScreen>
#include <algorithm>

#include "app/Eventos.h"
#include "game/Nivel.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"
#include "ui/Form1.h"

namespace tablerix {
namespace {

constexpr int kAncho = 640;
constexpr int kAlto = 205;
constexpr int kAltoMinimo = 120;

// YYYY-MM-DD as the player reads a date.
QString Fecha(const std::string& iso) {
    return QString::fromStdString(iso.substr(8, 2) + "/" + iso.substr(5, 2) + "/" +
                                  iso.substr(0, 4));
}

QStringList Fila(int nivel, const EstadisticasNivel& e) {
    QStringList fila{QString::fromUtf8(kNiveles[nivel].Titulo)};
    for (std::int64_t n : {e.Partidas, e.Ganadas, e.Perdidas, e.Empatadas})
        fila << QString::number(n);
    if (e.Partidas == 0) return fila;
    fila << QStringLiteral("%1 (%2)").arg(e.MejorPartida).arg(Fecha(e.FechaMejorPartida));
    if (e.Jugadas == 0) return fila;
    fila << QStringLiteral("%1, %2 (%3)")
                .arg(AQString(e.MejorPalabra))
                .arg(e.PuntosMejorJugada)
                .arg(Fecha(e.FechaMejorJugada))
         << QString::number(MediaPorJugada(e), 'f', 1).replace('.', ',');
    return fila;
}

}  // namespace

VentanaEstadisticas::VentanaEstadisticas(Form1& principal)
    : QDialog(&principal), principal_(principal) {
    setWindowTitle(QStringLiteral("Estadísticas"));
    PonerFuente(this, Fuente("MS Sans Serif", 8));

    lstNiveles = new QTreeWidget(this);
    lstNiveles->setHeaderLabels(
        {QStringLiteral("Nivel"), QStringLiteral("Partidas"), QStringLiteral("Ganadas"),
         QStringLiteral("Perdidas"), QStringLiteral("Empatadas"), QStringLiteral("Mejor partida"),
         QStringLiteral("Mejor jugada"), QStringLiteral("Media por jugada")});
    lstNiveles->setRootIsDecorated(false);
    lstNiveles->setSelectionMode(QAbstractItemView::NoSelection);
    lstNiveles->setFocusPolicy(Qt::NoFocus);
    lstNiveles->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    PonerFuente(lstNiveles, Fuente("Arial", 8));

    cmdBorrar = new QPushButton(QStringLiteral("Borrar estadísticas"), this);
    cmdCerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    cmdCerrar->setDefault(true);
    connect(cmdCerrar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdBorrar, &QPushButton::clicked, this, [this] {
        BorrarEstadisticas_Click(principal_.j);
        Pintar();
    });

    // Smaller than the main window, but a size the player chose too big for
    // the screen gets scroll bars rather than a window off the screen.
    const QSize pantalla = screen()->availableGeometry().size() - QSize(16, 48);
    const int ancho = std::min(kAncho, static_cast<int>(pantalla.width() / FactorEscala()));
    const int alto =
        std::clamp(static_cast<int>(pantalla.height() / FactorEscala()), kAltoMinimo, kAlto);
    FijarTamano(this, {ancho, alto});
    Colocar(lstNiveles, {8, 8, ancho - 16, alto - 50});
    Colocar(cmdBorrar, {8, alto - 34, 140, 26});
    Colocar(cmdCerrar, {ancho - 96, alto - 34, 88, 26});
    Pintar();
}

void VentanaEstadisticas::Pintar() {
    const auto totales = Totales(principal_.j.Estadisticas);
    lstNiveles->clear();
    for (int n = 0; n < kNumNiveles; ++n)
        lstNiveles->addTopLevelItem(new QTreeWidgetItem(Fila(n, totales[n])));
}

}  // namespace tablerix
