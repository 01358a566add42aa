#include "ui/VentanaResumen.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QScrollArea>
#include <QValueAxis>
#include <algorithm>

#include "game/Ayudas.h"
#include "game/ResumenPartida.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"
#include "ui/Etiqueta.h"
#include "ui/Form1.h"
#include "ui/TableroResumen.h"
#include "ui/TamanoVentana.h"

namespace tablerix {
namespace {

// Design pixels: the table and its totals on the left, the small board on
// the right, the chart below both.
constexpr int kMargen = 8;
constexpr int kAnchoTabla = 476;
constexpr int kArribaTabla = 48;
constexpr int kAltoTotal = 30;
constexpr int kAltoGrafico = 220;
const QColor kTintePerdidos(255, 232, 232);

enum Columna { kTurno, kQuien, kJugada, kPuntos, kMejor, kPuntosMejor, kPerdidos };

QString Resultado(const ResumenPartida& r) {
    QString texto =
        QStringLiteral("Jugador %1 - Ordenador %2 — ").arg(r.Puntos[0]).arg(r.Puntos[1]);
    if (r.EnCurso) return texto + QStringLiteral("en curso");
    if (r.Puntos[0] == r.Puntos[1]) return texto + QStringLiteral("Empate");
    return texto + (r.Puntos[0] > r.Puntos[1] ? QStringLiteral("Has ganado")
                                              : QStringLiteral("Ha ganado el ordenador"));
}

// A side as the report numbers them: 0 the player, 1 the computer.
QString Lado(int lado) {
    return lado == 0 ? QStringLiteral("Jugador") : QStringLiteral("Ordenador");
}

QTreeWidgetItem* Fila(const FilaResumen& f) {
    auto* fila = new QTreeWidgetItem(
        {QString::number(f.Numero), Lado(f.Jugada.Lado == kTurnoJugador ? 0 : 1),
         TextoJugada(f.Jugada), QString::number(f.Jugada.Puntos),
         f.Mejor ? TextoJugada(*f.Mejor) : QStringLiteral("-"),
         f.Mejor ? QString::number(f.Mejor->Puntos) : QString(), QString::number(f.Perdidos)});
    for (int c : {kTurno, kPuntos, kPuntosMejor, kPerdidos})
        fila->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    // Weak moves stand out.
    if (f.Perdidos > 0)
        for (int c = 0; c <= kPerdidos; ++c) fila->setBackground(c, kTintePerdidos);
    return fila;
}

QString Total(const ResumenPartida& r, int lado) {
    const TotalResumen& t = r.Totales[lado];
    QString texto = QStringLiteral("%1: %2 de %3 posibles (%4 %)")
                        .arg(Lado(lado))
                        .arg(t.Puntos)
                        .arg(t.Mejor)
                        .arg(t.Porcentaje());
    if (t.FilaMejorJugada < 0) return texto;
    const FilaResumen& f = r.Filas[t.FilaMejorJugada];
    return texto + QStringLiteral(".\nSu mejor jugada: %1, %2 puntos, en el turno %3.")
                       .arg(TextoJugada(f.Jugada))
                       .arg(f.Jugada.Puntos)
                       .arg(f.Numero);
}

QChart* GraficoMarcador(const ResumenPartida& r) {
    auto* grafico = new QChart;
    const QFont fuente = Escalar(Fuente("MS Sans Serif", 8));
    const int ultimo = r.Filas.empty() ? 1 : std::max(1, r.Filas.back().Numero);
    int maximo = 1;
    for (int lado : {0, 1}) {
        auto* serie = new QLineSeries(grafico);
        serie->setName(Lado(lado));
        serie->append(0, r.PuntosInicio[lado]);
        for (const FilaResumen& f : r.Filas) serie->append(f.Numero, f.Marcador[lado]);
        grafico->addSeries(serie);
        maximo = std::max({maximo, r.PuntosInicio[lado], r.Puntos[lado]});
    }
    auto* turnos = new QValueAxis(grafico);
    turnos->setRange(0, ultimo);
    turnos->setTickType(QValueAxis::TicksDynamic);
    turnos->setTickAnchor(0);
    turnos->setTickInterval(std::max(1, (ultimo + 9) / 10));
    turnos->setLabelFormat(QStringLiteral("%d"));
    turnos->setTitleText(QStringLiteral("Turno"));
    auto* puntos = new QValueAxis(grafico);
    puntos->setRange(0, maximo);
    puntos->setLabelFormat(QStringLiteral("%d"));
    puntos->applyNiceNumbers();
    for (QValueAxis* eje : {turnos, puntos}) {
        eje->setLabelsFont(fuente);
        eje->setTitleFont(fuente);
    }
    grafico->addAxis(turnos, Qt::AlignBottom);
    grafico->addAxis(puntos, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(turnos);
        serie->attachAxis(puntos);
    }
    grafico->legend()->setFont(fuente);
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->setMargins(QMargins());
    grafico->setBackgroundRoundness(0);
    return grafico;
}

}  // namespace

QString TextoJugada(const TurnoHistoria& jugada) {
    switch (jugada.Tipo) {
        case TipoTurno::Pase:
            return QStringLiteral("Pasa");
        case TipoTurno::Cambio:
            return jugada.Fichas == 1 ? QStringLiteral("Cambia 1 ficha")
                                      : QStringLiteral("Cambia %1 fichas").arg(jugada.Fichas);
        case TipoTurno::Palabra:
            break;
    }
    return AQString(jugada.Palabra + ' ' + NombreColumna(jugada.Casilla % kLado) +
                    NombreFila(jugada.Casilla / kLado)) +
           (jugada.Direccion == kHorizontal ? QStringLiteral(" →") : QStringLiteral(" ↓"));
}

VentanaResumen::VentanaResumen(Form1& principal)
    : QDialog(&principal), resumen_(principal.j.Resumen) {
    const ResumenPartida& r = *resumen_;
    setWindowTitle(QStringLiteral("Resumen de la partida"));
    const QFont normal = Fuente("MS Sans Serif", 8);
    PonerFuente(this, normal);

    // Everything but the button is laid out at its design size and scrolls
    // when the size chosen under "Ver" does not fit the screen.
    auto* contenido = new QWidget;
    const int izquierdaTablero = kMargen + kAnchoTabla + kMargen;
    const QSize tablero = TableroResumen::Tamano();
    const int arribaGrafico = kArribaTabla + tablero.height() + kMargen;
    const QSize tamano(izquierdaTablero + tablero.width() + kMargen,
                       arribaGrafico + kAltoGrafico + kMargen);
    FijarTamano(contenido, tamano);

    lblResultado = new Etiqueta(contenido, {kMargen, 8, tamano.width() - 2 * kMargen, 18},
                                Fuente("MS Sans Serif", 10, true));
    lblResultado->PonerTexto(Resultado(r));
    lblCargada = new Etiqueta(contenido, {kMargen, 28, tamano.width() - 2 * kMargen, 16}, normal);
    if (r.DesdePartidaCargada)
        lblCargada->PonerTexto(QStringLiteral(
            "La partida se cargó sin su historia: el resumen empieza en la posición cargada."));

    lstTurnos = new QTreeWidget(contenido);
    lstTurnos->setHeaderLabels({QStringLiteral("Turno"), QStringLiteral("Quién"),
                                QStringLiteral("Jugada"), QStringLiteral("Puntos"),
                                QStringLiteral("Mejor jugada"), QStringLiteral("Puntos"),
                                QStringLiteral("Perdidos")});
    lstTurnos->setRootIsDecorated(false);
    lstTurnos->setUniformRowHeights(true);
    lstTurnos->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstTurnos->header()->setStretchLastSection(false);
    PonerFuente(lstTurnos, Fuente("Arial", 8));
    const int altoTabla = tablero.height() - 2 * kAltoTotal - kMargen;
    Colocar(lstTurnos, {kMargen, kArribaTabla, kAnchoTabla, altoTabla});
    for (const FilaResumen& f : r.Filas) lstTurnos->addTopLevelItem(Fila(f));

    for (int lado : {0, 1}) {
        lblTotales[lado] =
            new Etiqueta(contenido,
                         {kMargen, kArribaTabla + altoTabla + kMargen + lado * kAltoTotal,
                          kAnchoTabla, kAltoTotal},
                         normal);
        lblTotales[lado]->PonerTexto(Total(r, lado));
        // The side's best move stands out in the table too.
        if (QTreeWidgetItem* mejor = lstTurnos->topLevelItem(r.Totales[lado].FilaMejorJugada)) {
            QFont negrita = lstTurnos->font();
            negrita.setBold(true);
            for (int c = 0; c <= kPerdidos; ++c) mejor->setFont(c, negrita);
        }
    }

    Tablero =
        new TableroResumen(contenido, {izquierdaTablero, kArribaTabla},
                           [&principal](char letra) { return principal.ValorMostrado(letra); });
    connect(lstTurnos, &QTreeWidget::currentItemChanged, this, [this] {
        const int fila = lstTurnos->indexOfTopLevelItem(lstTurnos->currentItem());
        if (fila >= 0) Tablero->Mostrar(resumen_->Filas[fila]);
    });
    lstTurnos->setCurrentItem(lstTurnos->topLevelItem(0));

    Grafico = new QChartView(GraficoMarcador(r), contenido);
    Grafico->setRenderHint(QPainter::Antialiasing);
    Colocar(Grafico, {kMargen, arribaGrafico, tamano.width() - 2 * kMargen, kAltoGrafico});

    auto* desplazable = new QScrollArea;
    desplazable->setFrameShape(QFrame::NoFrame);
    desplazable->setWidget(contenido);
    cmdCerrar = new QPushButton(QStringLiteral("Cerrar"));
    cmdCerrar->setDefault(true);
    PonerFuente(cmdCerrar, normal);
    connect(cmdCerrar, &QPushButton::clicked, this, &QDialog::accept);
    auto* pie = new QHBoxLayout;
    pie->setContentsMargins(Escalar(kMargen), 0, Escalar(kMargen), Escalar(kMargen));
    pie->addStretch();
    pie->addWidget(cmdCerrar);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(QMargins());
    disposicion->setSpacing(0);
    disposicion->addWidget(desplazable);
    disposicion->addLayout(pie);
    ColocarSobre(this, Escalar(tamano) + QSize(0, pie->sizeHint().height()), &principal);
}

}  // namespace tablerix
