// The play aids' menu entries and their settings. Kept apart from Form1.cpp:
// they are added after the described menus are built.
#include "ui/Ayudas.h"

#include "app/Eventos.h"
#include "app/PrevisionJugada.h"
#include "game/Ayudas.h"
#include "game/Nivel.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/Form1.h"
#include "ui/Rotulos.h"

namespace tablerix {
namespace {

constexpr char kClaveNivel[] = "Nivel";
constexpr char kClaveMejor[] = "RecomendarMejor";
constexpr char kClavePuntos[] = "Ver/PuntosJugada";
constexpr char kClavePorSalir[] = "Ver/FichasPorSalir";
constexpr char kClaveCoordenadas[] = "Ver/Coordenadas";

// Design pixels the window grows by: the column names under the board, the
// strip of tiles still to come.
constexpr int kMargenCoordenadas = 12;
constexpr int kAltoPorSalir = 32;
constexpr int kPasoPorSalir = 20;

}  // namespace

int NivelRecordado() {
    const int nivel = LeerAjuste(kClaveNivel, kNivelInicial).toInt();
    return nivel >= 0 && nivel < static_cast<int>(kNiveles.size()) ? nivel : kNivelInicial;
}

void RecuperarAyudas(Juego& j) {
    j.Form1.MnuMejor = LeerAjuste(kClaveMejor, false).toBool();
}

void Form1::CrearMenusAyudas(QMenu* juego, QMenu* inteligencia) {
    // No key is a plain letter: letters are typed onto the board.
    auto entrada = [this, juego](const char* titulo, QKeySequence atajo,
                                 void (*manejador)(Juego&)) {
        QAction* accion = juego->addAction(QString::fromUtf8(titulo));
        accion->setShortcut(atajo);
        connect(accion, &QAction::triggered, this, [this, manejador] { Atender(manejador); });
        return accion;
    };
    juego->addSeparator();
    MnuCambiar = entrada("Cambiar", Qt::Key_F6, cmdCambiar_Click);
    MnuPasar = entrada("Pasar", Qt::Key_F7, cmdPasar_Click);
    MnuMezclar = entrada("Mezclar fichas", Qt::Key_F8, MnuMezclar_Click);
    juego->addSeparator();
    MnuSalir = juego->addAction(QStringLiteral("Salir"));
    MnuSalir->setShortcut(Qt::CTRL | Qt::Key_Q);
    // Closing asks its questions in closeEvent, as the title bar's button does.
    connect(MnuSalir, &QAction::triggered, this, &QWidget::close);

    // Only the player's choice is remembered: a load sets the level in the
    // model, never through the menu.
    for (int i = 0; i < static_cast<int>(MnuNiv.size()); ++i)
        connect(MnuNiv[i], &QAction::triggered, this, [i] { GuardarAjuste(kClaveNivel, i); });

    inteligencia->addSeparator();
    MnuMejor = inteligencia->addAction(QStringLiteral("Recomendar la mejor jugada"));
    MnuMejor->setCheckable(true);
    connect(MnuMejor, &QAction::triggered, this, [this] {
        Atender(MnuMejor_Click);
        GuardarAjuste(kClaveMejor, j.Form1.MnuMejor);
    });

    // Display only, so the window keeps them: the game never sees them.
    CrearVistasAyudas();
    MnuVer->addSeparator();
    const struct {
        QAction** accion;
        const char* titulo;
        const char* clave;
        bool porDefecto;
    } vistas[] = {{&MnuPuntos, "Puntos de la jugada", kClavePuntos, true},
                  {&MnuPorSalir, "Fichas por salir", kClavePorSalir, false},
                  {&MnuCoordenadas, "Coordenadas", kClaveCoordenadas, false}};
    for (const auto& vista : vistas) {
        QAction* accion = *vista.accion = MnuVer->addAction(QString::fromUtf8(vista.titulo));
        accion->setCheckable(true);
        accion->setChecked(LeerAjuste(vista.clave, vista.porDefecto).toBool());
        connect(accion, &QAction::triggered, this, [this, clave = vista.clave](bool marcada) {
            GuardarAjuste(clave, marcada);
            DisponerAyudas();
            PonerTamano(TamanoVentanas());
            Pintar();
        });
    }
    DisponerAyudas();
}

void Form1::CrearVistasAyudas() {
    const QFont normal = Fuente("MS Sans Serif", 8);
    const Rectangulo primera = GeometriaCasilla(0);
    const int lado = kPasoCasilla * kLado;
    Columnas = new Rotulos(Cliente, {primera.Izquierda, kAltoCliente - 14, lado, 12}, kPasoCasilla,
                           false, normal);
    Columnas->Poner(NombresDeColumnas());
    Filas = new Rotulos(Cliente, {primera.Izquierda + lado + 1, primera.Arriba, 10, lado},
                        kPasoCasilla, true, normal);
    Filas->Poner(NombresDeFilas());
    PorSalir = new Rotulos(Cliente, {}, kPasoPorSalir, false, normal);
    TotalPorSalir = new Etiqueta(Cliente, {}, normal, Qt::AlignHCenter);
}

int Form1::AltoCliente() const {
    return kAltoCliente + (MnuCoordenadas->isChecked() ? kMargenCoordenadas : 0) +
           (MnuPorSalir->isChecked() ? kAltoPorSalir : 0);
}

void Form1::DisponerAyudas() {
    const bool coordenadas = MnuCoordenadas->isChecked();
    const bool porSalir = MnuPorSalir->isChecked();
    const int margen = coordenadas ? kMargenCoordenadas : 0;
    Columnas->setVisible(coordenadas);
    Filas->setVisible(coordenadas);
    // The column names take the progress bar's place; it moves down below them.
    for (Forma* barra : {shpLargo, shpCorto}) {
        const QRect r = Diseno(barra);
        Colocar(barra, {r.left(), 396 + margen, r.width(), r.height()});
    }
    const int arriba = kAltoCliente + margen;
    Colocar(PorSalir, {GeometriaCasilla(0).Izquierda, arriba, kPasoPorSalir * (kLetras + 1),
                       kAltoPorSalir - 4});
    Colocar(TotalPorSalir, {GeometriaCasilla(0).Izquierda + kPasoPorSalir * (kLetras + 1) + 8,
                            arriba, 48, kAltoPorSalir - 4});
    PorSalir->setVisible(porSalir);
    TotalPorSalir->setVisible(porSalir);
    FijarTamano(Cliente, {kAnchoCliente, AltoCliente()});
}

void Form1::PintarAyudas() {
    MnuMejor->setChecked(j.Form1.MnuMejor);
    MnuMezclar->setEnabled(PuedeMezclar(j));
    // The move's points stand in the status line while tiles are laid, in
    // yellow to tell them from the game's own status.
    const std::string prevision = MnuPuntos->isChecked() ? PrevisionJugada(j) : std::string();
    if (!prevision.empty()) Label9->PonerTexto(AQString(prevision));
    Label9->PonerColorTexto(prevision.empty() ? QColor(0, 255, 0) : QColor(255, 255, 0));
    if (MnuPorSalir->isChecked()) {
        const FichasPorSalir cuenta = ContarFichasPorSalir(j);
        QStringList textos;
        int total = 0;
        for (int i = 0; i <= kLetras; ++i) {
            const char ficha = i < kLetras ? kAlfabeto[i] : kBlanco;
            textos << AQString(ficha) + QLatin1Char('\n') + QString::number(cuenta[i]);
            total += cuenta[i];
        }
        PorSalir->Poner(textos);
        TotalPorSalir->PonerTexto(QStringLiteral("Total\n%1").arg(total));
    }
}

}  // namespace tablerix
