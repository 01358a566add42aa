#include "ui/Form1.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "app/Eventos.h"
#include "computer/AnalisisPartida.h"
#include "game/Historia.h"
#include "game/Nivel.h"
#include "game/Puntuacion.h"
#include "ui/Aplicacion.h"
#include "ui/ArrastreFichas.h"
#include "ui/ConversionQt.h"
#include "ui/FlechaCursor.h"
#include "ui/Imagenes.h"
#include "ui/TamanoVentana.h"
#include "ui/TecladoFichas.h"
#include "ui/VentanaEstadisticas.h"
#include "ui/VentanaLista.h"
#include "ui/VentanaResumen.h"
#include "ui/VistaPrevia.h"

namespace tablerix {
namespace {

const QColor kVerde(0, 255, 0);
const QColor kCianClaro(192, 255, 255);
const QColor kGrisOscuro(64, 64, 64);
constexpr char kClaveValores[] = "ValoresEnFichas";
constexpr char kClaveResumenAlTerminar[] = "Ver/ResumenAlTerminar";

QString LetraDe(char letra) {
    return letra == kSinFicha ? QString() : AQString(letra);
}

}  // namespace

Form1::Form1(Juego& juego) : j(juego), Cliente(new QWidget(this)) {
    setWindowTitle(QString::fromLatin1(kTituloVentana));
    setWindowIcon(IconoVentana());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    FijarTamano(Cliente, {kAnchoCliente, kAltoCliente});
    setCentralWidget(Cliente);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    CrearEtiquetas();
    CrearMandos();
    CrearMenus();
    arrastre_ = std::make_unique<ArrastreFichas>(*this);
    new TecladoFichas(*this);
    PonerFuente(menuBar(), QApplication::font());
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) PonerFuente(menu, QApplication::font());
    const QSize ventana(kAnchoCliente, AltoCliente() + menuBar()->sizeHint().height());
    const QSize disponible = screen()->availableGeometry().size();
    int tamano = TamanoRecordado(ventana, disponible);
    // A size remembered on a larger screen gives way to the largest that fits this one.
    while (tamano > kTamanos.front() && !CabeATamano(ventana, {}, tamano, disponible))
        tamano = TamanoVecino(tamano, -1);
    PonerTamano(tamano);
    Pintar();
}

Form1::~Form1() = default;

void Form1::CrearEtiquetas() {
    const QFont normal = Fuente("MS Sans Serif", 8);
    const QFont ficha = Fuente("Arial", 14, true);
    const Qt::Alignment centro = Qt::AlignCenter;

    const struct {
        QRect posicion;
        QColor fondo;
        const char* texto;
    } leyenda[] = {{{324, 12, 80, 17}, AQColor(kPalabraX3), "Palabra x 3"},
                   {{228, 12, 88, 17}, AQColor(kPalabraX2), "Palabra x 2"},
                   {{132, 12, 88, 17}, AQColor(kLetraX3), "Letra x 3"},
                   {{44, 12, 80, 17}, AQColor(kLetraX2), "Letra x 2"}};
    for (int i = 0; i < 4; ++i) {
        Label2[i] = new Etiqueta(Cliente, leyenda[i].posicion, normal, Qt::AlignHCenter, true);
        Label2[i]->PonerFondo(leyenda[i].fondo);
        Label2[i]->PonerTexto(QString::fromLatin1(leyenda[i].texto));
    }
    for (int i = 0; i < kCasillas; ++i)
        Label1[i] = new EtiquetaFicha(Cliente, ARect(GeometriaCasilla(i)), ficha, centro, true);
    Cursor = new FlechaCursor(Cliente);

    lblPuntos =
        new Etiqueta(Cliente, {4, 28, 37, 365}, Fuente("Courier New", 8), Qt::AlignLeft, true);
    lblPuntos->PonerColorTexto(palette().color(QPalette::WindowText));

    shpMandos = new Forma(Cliente, {416, 64, 217, 125}, QColor(128, 128, 128), true);
    shpFondoLetras = new Forma(Cliente, {424, 72, 169, 25}, Qt::black, true);
    for (int k = 0; k < kRanuras; ++k)
        Label5[k] = new EtiquetaFicha(Cliente, {424 + 24 * k, 72, 25, 25}, ficha, centro, true);

    const QFont marcador = Fuente("MS Sans Serif", 13.5, true);
    Label3[0] = new Etiqueta(Cliente, {428, 8, 41, 25}, marcador, Qt::AlignRight);
    Label3[0]->PonerTexto(QStringLiteral("JUG"));
    Label3[1] = new Etiqueta(Cliente, {580, 8, 41, 25}, marcador);
    Label3[1]->PonerTexto(QStringLiteral("CPU"));
    for (int i = 0; i < 2; ++i) {
        Label4[i] = new Etiqueta(Cliente, {472 + 56 * i, 8, 49, 25},
                                 Fuente("MS Sans Serif", 12, true), centro, true);
        Label4[i]->PonerFondo(Qt::black);
        Label4[i]->PonerColorTexto(kVerde);
    }
    Label8[0] = new Etiqueta(Cliente, {428, 44, 41, 17}, normal);
    Label8[0]->PonerTexto(QStringLiteral("Fichas:"));
    Label7 = new Etiqueta(Cliente, {464, 40, 41, 17}, normal, Qt::AlignHCenter, true);
    Label7->PonerFondo(Qt::white);
    Label8[1] = new Etiqueta(Cliente, {512, 44, 41, 17}, normal);
    Label8[1]->PonerTexto(QStringLiteral("Nivel:"));
    Label6 = new Etiqueta(Cliente, {544, 40, 81, 17}, normal, Qt::AlignHCenter, true);
    Label6->PonerFondo(Qt::white);
    Label9 = new Etiqueta(Cliente, {424, 100, 201, 33}, normal, Qt::AlignLeft, true);
    Label9->PonerFondo(Qt::black);
    Label9->PonerColorTexto(kVerde);
    Label9->EncogerParaCaber();

    // The computer's rack lies under the lower end of the log, created later.
    Label8[2] = new Etiqueta(Cliente, {428, 372, 61, 17}, normal, Qt::AlignRight);
    Label8[2]->PonerTexto(QStringLiteral("Fichas PC:  "));
    for (int k = 0; k < kRanuras; ++k) {
        Label11[k] = new EtiquetaFicha(Cliente, {488 + 20 * k, 368, 20, 20},
                                       Fuente("Arial", 12, true), centro, true);
        Label11[k]->PonerFondo(kCianClaro);
        Label11[k]->PonerColorTexto(kGrisOscuro);
    }
}

void Form1::CrearMandos() {
    cmdOk = new QPushButton(QStringLiteral("&OK"), Cliente);
    PonerFuente(cmdOk, Fuente("MS Sans Serif", 8, true));
    Colocar(cmdOk, {424, 140, 73, 41});
    cmdCambiar = new QPushButton(QStringLiteral("Cambiar"), Cliente);
    Colocar(cmdCambiar, {504, 140, 57, 41});
    cmdPasar = new QPushButton(QStringLiteral("Pasar"), Cliente);
    Colocar(cmdPasar, {568, 140, 57, 41});
    cmdEscape = new QPushButton(Cliente);
    Colocar(cmdEscape, {600, 72, 25, 25});
    cmdEscape->setToolTip(QStringLiteral("Deshacer/Cancelar"));

    lstPartida = new QListWidget(Cliente);
    Colocar(lstPartida, {416, 192, 217, kAltoPartida});
    lstPartida->setUniformItemSizes(true);
    lstPartida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colores = lstPartida->palette();
    colores.setColor(QPalette::Base, Qt::white);
    colores.setColor(QPalette::Text, Qt::black);
    lstPartida->setPalette(colores);

    shpLargo = new Forma(Cliente, {44, 396, kAnchoProgreso, 9}, Qt::black, false);
    shpCorto = new Forma(Cliente, {44, 396, 0, 9}, AQColor(kAzul), true);
    Previa = new VistaPrevia(Cliente, {kAnchoCliente, kAltoCliente});
    shpAzul = new Forma(Cliente, {}, AQColor(kAzul), false, 2);
    shpRojo = new Forma(Cliente, {}, AQColor(kRojo), false, 2);
    for (QWidget* oculto : std::initializer_list<QWidget*>{shpLargo, shpCorto, shpAzul, shpRojo})
        oculto->hide();

    setTabOrder(cmdOk, cmdCambiar);
    setTabOrder(cmdCambiar, cmdPasar);
    setTabOrder(cmdPasar, cmdEscape);
    setTabOrder(cmdEscape, lstPartida);
    cmdOk->setFocus();

    connect(cmdOk, &QPushButton::clicked, this, [this] { Atender(cmdOk_Click); });
    connect(cmdCambiar, &QPushButton::clicked, this, [this] { Atender(cmdCambiar_Click); });
    connect(cmdPasar, &QPushButton::clicked, this, [this] { Atender(cmdPasar_Click); });
    connect(cmdEscape, &QPushButton::clicked, this, [this] { Atender(cmdEscape_Click); });
}

void Form1::CrearMenus() {
    auto entrada = [this](QMenu* menu, const QString& titulo, void (*manejador)(Juego&),
                          QKeySequence atajo = {}) {
        QAction* accion = menu->addAction(titulo);
        accion->setShortcut(atajo);
        connect(accion, &QAction::triggered, this, [this, manejador] { Atender(manejador); });
        return accion;
    };
    QMenu* juego = menuBar()->addMenu(QStringLiteral("Juego"));
    MnuNew = entrada(juego, QStringLiteral("Nuevo"), MnuNew_Click, Qt::Key_F5);
    MnuSave = entrada(juego, QStringLiteral("Guardar"), MnuSave_Click);
    MnuLoad = entrada(juego, QStringLiteral("Cargar"), MnuLoad_Click);
    mnuBorGuar = entrada(juego, QStringLiteral("Borrar guardado"), mnuBorGuar_Click);
    MnuEstadisticas = entrada(juego, QStringLiteral("Estadísticas"), MnuEstadisticas_Click);
    connect(MnuEstadisticas, &QAction::triggered, this,
            [this] { VentanaEstadisticas(*this).exec(); });
    MnuResumen = juego->addAction(QStringLiteral("Resumen de la partida"));
    connect(MnuResumen, &QAction::triggered, this, &Form1::AbrirResumen);
    juego->addSeparator();
    MnuContra = entrada(juego, QStringLiteral("Fichas PC"), MnuContra_Click);
    MnuContra->setCheckable(true);
    MnuRecom = entrada(juego, QStringLiteral("Recomendar"), MnuRecom_Click, Qt::Key_F4);
    // The proposal is played with OK, so that is where the keyboard goes.
    connect(MnuRecom, &QAction::triggered, cmdOk, qOverload<>(&QWidget::setFocus));
    juego->addSeparator();
    MnuDeshacerJugada = entrada(juego, QStringLiteral("Deshacer jugada"), MnuDeshacerJugada_Click,
                                QKeySequence(Qt::CTRL | Qt::Key_Z));
    MnuRehacerJugada = entrada(juego, QStringLiteral("Rehacer jugada"), MnuRehacerJugada_Click,
                               QKeySequence(Qt::CTRL | Qt::Key_Y));

    QMenu* inteligencia = menuBar()->addMenu(QStringLiteral("Inteligencia"));
    auto* niveles = new QActionGroup(this);  // one level at a time, with radio marks
    for (int i = 0; i < static_cast<int>(MnuNiv.size()); ++i) {
        MnuNiv[i] = inteligencia->addAction(QString::fromUtf8(kNiveles[i].Titulo));
        MnuNiv[i]->setCheckable(true);
        niveles->addAction(MnuNiv[i]);
        connect(MnuNiv[i], &QAction::triggered, this,
                [this, i] { Atender([i](Juego& juego) { MnuNiv_Click(juego, i); }); });
    }

    CrearMenuVer();

    QMenu* diccionario = menuBar()->addMenu(QStringLiteral("Diccionario"));
    MnuLista = diccionario->addAction(QStringLiteral("Lista de palabras"));
    connect(MnuLista, &QAction::triggered, this, [this] {
        if (!Lista) Lista = new VentanaLista(*this);
        Lista->Mostrar();
    });

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    MnuHelp = entrada(ayuda, QStringLiteral("Como Jugar"), MnuHelp_Click, Qt::Key_F1);
    About = entrada(ayuda, QStringLiteral("Acerca de..."), About_Click);

    CrearMenusAyudas(juego, inteligencia);
}

void Form1::CrearMenuVer() {
    MnuVer = menuBar()->addMenu(QStringLiteral("Ver"));
    // The screen may have changed since the last look.
    connect(MnuVer, &QMenu::aboutToShow, this, &Form1::MarcarTamanosPosibles);
    auto* grupo = new QActionGroup(this);
    for (size_t k = 0; k < kTamanos.size(); ++k) {
        const int porcentaje = kTamanos[k];
        MnuTamano[k] = MnuVer->addAction(QStringLiteral("%1 %").arg(porcentaje));
        MnuTamano[k]->setCheckable(true);
        grupo->addAction(MnuTamano[k]);
        connect(MnuTamano[k], &QAction::triggered, this,
                [this, porcentaje] { ElegirTamano(porcentaje); });
    }
    MnuVer->addSeparator();
    const struct {
        QAction** accion;
        const char* titulo;
        QList<QKeySequence> atajos;
        int paso;  // 0: back to 100 %
    } pasos[] = {
        {&MnuMasGrande, "Más grande", {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, 1},
        {&MnuMasPequeno, "Más pequeño", {Qt::CTRL | Qt::Key_Minus}, -1},
        {&MnuTamanoNormal, "Tamaño normal", {Qt::CTRL | Qt::Key_0}, 0},
    };
    for (const auto& paso : pasos) {
        *paso.accion = MnuVer->addAction(QString::fromUtf8(paso.titulo));
        (*paso.accion)->setShortcuts(paso.atajos);
        connect(*paso.accion, &QAction::triggered, this, [this, paso = paso.paso] {
            ElegirTamano(paso == 0 ? kTamanos.front() : TamanoVecino(TamanoVentanas(), paso));
        });
    }

    MnuVer->addSeparator();
    MnuValores = MnuVer->addAction(QStringLiteral("Valores en las fichas"));
    MnuValores->setCheckable(true);
    MnuValores->setChecked(LeerAjuste(kClaveValores, true).toBool());
    connect(MnuValores, &QAction::toggled, this, [this](bool valores) {
        GuardarAjuste(kClaveValores, valores);
        Pintar();
    });
    MnuResumenAlTerminar = MnuVer->addAction(QStringLiteral("Resumen al terminar"));
    MnuResumenAlTerminar->setCheckable(true);
    MnuResumenAlTerminar->setChecked(LeerAjuste(kClaveResumenAlTerminar, true).toBool());
    connect(MnuResumenAlTerminar, &QAction::toggled, this,
            [](bool marcada) { GuardarAjuste(kClaveResumenAlTerminar, marcada); });
}

void Form1::ElegirTamano(int porcentaje) {
    MarcarTamanosPosibles();
    const auto k = std::find(kTamanos.begin(), kTamanos.end(), porcentaje) - kTamanos.begin();
    if (!MnuTamano[k]->isEnabled()) return;
    RecordarTamano(porcentaje);
    PonerTamano(porcentaje);
}

void Form1::PonerTamano(int porcentaje) {
    const QPoint centro = frameGeometry().center();
    PonerTamanoVentanas(porcentaje);
    Reescalar(this);
    if (Lista) Lista->Ajustar();
    cmdEscape->setIconSize(Escalar(QSize(14, 9)));
    cmdEscape->setIcon(FlechaDeshacer(FactorEscala()));
    for (size_t k = 0; k < kTamanos.size(); ++k)
        MnuTamano[k]->setChecked(kTamanos[k] == porcentaje);
    adjustSize();
    if (!isVisible()) return;
    // Grown or shrunk about its centre, and kept on the screen.
    const QRect pantalla = screen()->availableGeometry();
    QRect marco(QPoint(), frameGeometry().size());
    marco.moveCenter(centro);
    marco.moveBottomRight(QPoint(std::min(marco.right(), pantalla.right()),
                                 std::min(marco.bottom(), pantalla.bottom())));
    move(std::max(marco.left(), pantalla.left()), std::max(marco.top(), pantalla.top()));
    MarcarTamanosPosibles();
}

void Form1::MarcarTamanosPosibles() {
    const QSize contenido = size() / FactorEscala();
    const QMargins marco = MarcoDeVentana(this);
    const QSize disponible = screen()->availableGeometry().size();
    for (size_t k = 0; k < kTamanos.size(); ++k)
        MnuTamano[k]->setEnabled(CabeATamano(contenido, marco, kTamanos[k], disponible));
    const int mayor = TamanoVecino(TamanoVentanas(), 1);
    MnuMasGrande->setEnabled(mayor != TamanoVentanas() &&
                             CabeATamano(contenido, marco, mayor, disponible));
}

void Form1::AbrirResumen() {
    if (!PuedeResumir(j)) return;
    Atender(MnuResumen_Click);
    if (j.Resumen) VentanaResumen(*this).exec();
}

void Form1::Atender(const std::function<void(Juego&)>& manejador) {
    manejador(j);
    Pintar();
}

void Form1::Pintar() {
    const ModeloVentana& m = j.Form1;
    PintarTablero();
    PintarAtriles();
    Label4[0]->PonerTexto(AQString(m.Label4[0]));
    Label4[1]->PonerTexto(AQString(m.Label4[1]));
    Label6->PonerTexto(AQString(m.Label6));
    Label7->PonerTexto(AQString(m.Label7));
    Label9->PonerTexto(AQString(m.Label9));
    lblPuntos->PonerTexto(AQString(m.lblPuntos));
    PintarPartida();
    PintarVistaPrevia();
    PintarMarcos();
    MnuContra->setChecked(m.MnuContra);
    for (size_t i = 0; i < MnuNiv.size(); ++i) MnuNiv[i]->setChecked(m.MnuNiv[i]);
    MnuDeshacerJugada->setEnabled(PuedeDeshacerJugada(j));
    MnuRehacerJugada->setEnabled(PuedeRehacerJugada(j));
    MnuResumen->setEnabled(PuedeResumir(j));
    PintarAyudas();
    // A finished game takes no move until a new game or a load, which gives OK the keyboard back.
    if (cmdOk->isEnabled() != j.Posicion.PartidaEnCurso) {
        for (QWidget* mando : {cmdOk, cmdCambiar, cmdPasar})
            mando->setEnabled(j.Posicion.PartidaEnCurso);
        for (QAction* entrada : {MnuRecom, MnuCambiar, MnuPasar})
            entrada->setEnabled(j.Posicion.PartidaEnCurso);
        if (j.Posicion.PartidaEnCurso) cmdOk->setFocus();
    }
    setEnabled(m.Habilitada);
    if (Lista) Lista->Pintar();
}

void Form1::PintarTablero() {
    for (int i = 0; i < kCasillas; ++i) {
        const Casilla& casilla = j.Form1.Label1[i];
        Label1[i]->PonerTexto(LetraDe(casilla.Letra));
        // A blank scores as its letter, so it shows that letter's value, hollow.
        Label1[i]->PonerValor(ValorMostrado(casilla.Letra));
        Label1[i]->PonerHueca(EsBlancoConLetra(casilla));
        Label1[i]->PonerColorTexto(AQColor(casilla.ColorLetra));
        Label1[i]->PonerFondo(AQColor(casilla.Fondo));
    }
}

void Form1::PintarAtriles() {
    for (int k = 0; k < kRanuras; ++k) {
        const FichaJugador& ficha = j.Form1.Label5[k];
        Label5[k]->PonerTexto(LetraDe(ficha.Letra));
        Label5[k]->PonerValor(ValorMostrado(ficha.Letra));
        Label5[k]->PonerFondo(AQColor(ficha.Fondo));
        Label5[k]->setVisible(ficha.Visible);
        Label11[k]->PonerTexto(LetraDe(j.Form1.Label11[k].Letra));
        Label11[k]->PonerValor(ValorMostrado(j.Form1.Label11[k].Letra));
        Label11[k]->setVisible(j.Form1.Label11[k].Visible);
    }
}

void Form1::PintarPartida() {
    const ModeloVentana& m = j.Form1;
    const QRect partida = Diseno(lstPartida);
    const bool otraAltura = partida.height() != m.AltoPartida;
    if (otraAltura) Colocar(lstPartida, {partida.topLeft(), QSize(partida.width(), m.AltoPartida)});

    const std::vector<std::string>& lineas = m.lstPartida;
    size_t comunes = 0;
    while (comunes < partidaMostrada_.size() && comunes < lineas.size() &&
           partidaMostrada_[comunes] == lineas[comunes])
        ++comunes;
    const bool mismas = comunes == partidaMostrada_.size() && comunes == lineas.size();
    if (mismas && seleccionMostrada_ == m.SeleccionPartida && !otraAltura) return;

    if (!mismas) {
        if (comunes == 0) lstPartida->clear();
        while (static_cast<size_t>(lstPartida->count()) > comunes)
            delete lstPartida->takeItem(lstPartida->count() - 1);
        for (size_t i = comunes; i < lineas.size(); ++i) lstPartida->addItem(AQString(lineas[i]));
        partidaMostrada_ = lineas;
    }
    // The newest line stays in view, also when the list grows shorter.
    if (lineas.size() > comunes || otraAltura) lstPartida->scrollToBottom();
    seleccionMostrada_ = m.SeleccionPartida;
    if (seleccionMostrada_ >= 0 && seleccionMostrada_ < lstPartida->count()) {
        lstPartida->setCurrentRow(seleccionMostrada_);
        lstPartida->scrollToItem(lstPartida->item(seleccionMostrada_));
    } else {
        lstPartida->setCurrentItem(nullptr);
        lstPartida->clearSelection();
    }
}

void Form1::PintarMarcos() {
    const ModeloVentana& m = j.Form1;
    shpLargo->setVisible(m.ProgresoVisible);
    const int ancho = std::clamp(m.AnchoProgreso, 0, kAnchoProgreso);
    const QRect corto = Diseno(shpCorto);
    Colocar(shpCorto, {corto.topLeft(), QSize(ancho, corto.height())});
    shpCorto->setVisible(m.ProgresoVisible && ancho > 0);

    const std::pair<Forma*, const Marco*> marcos[] = {{shpAzul, &m.shpAzul}, {shpRojo, &m.shpRojo}};
    for (auto [forma, marco] : marcos) {
        Colocar(forma, ARect(marco->Posicion));
        forma->setVisible(marco->Visible);
        if (marco->Visible) forma->raise();
    }
    Cursor->Mostrar(m.Cursor);
}

void Form1::PintarVistaPrevia() {
    std::vector<VistaPrevia::Ficha> fichas;
    for (const FichaPrevia& ficha : j.Form1.VistaPrevia)
        if (EsCasilla(ficha.Casilla))
            fichas.push_back({Label1[ficha.Casilla], AQString(ficha.Letra),
                              ValorMostrado(ficha.Letra), ficha.Blanco});
    Previa->Poner(fichas);
}

int Form1::ValorMostrado(char letra) const {
    return MnuValores->isChecked() ? ValorLetra(j, letra) : 0;
}

void Form1::Mostrar() {
    Pintar();
    adjustSize();
    const QRect pantalla = screen()->availableGeometry();
    move(pantalla.center() - QPoint(width() / 2, height() / 2));
    show();
}

int Form1::CasillaEn(const QPoint& punto) const {
    // Squares overlap; the shared pixels belong to the earlier square.
    for (int i = 0; i < kCasillas; ++i)
        if (Label1[i]->geometry().contains(punto)) return i;
    return -1;
}

int Form1::RanuraEn(const QPoint& punto) const {
    for (int k = 0; k < kRanuras; ++k)
        if (Label5[k]->isVisibleTo(Cliente) && Label5[k]->geometry().contains(punto)) return k;
    return -1;
}

void Form1::closeEvent(QCloseEvent* evento) {
    // False while another handler runs (the computer thinking): the window stays.
    if (Form_Unload(j))
        evento->accept();
    else
        evento->ignore();
}

}  // namespace tablerix
