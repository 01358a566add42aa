#include "ui/VentanaLista.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QScreen>
#include <algorithm>

#include "app/Eventos.h"
#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"
#include "ui/Form1.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

constexpr int kAncho = 300;
constexpr int kAlto = 420;
constexpr int kAltoMinimo = 260;  // the controls and a few rows of words
constexpr int kArribaListas = 120;
const QColor kColorError(192, 0, 0);

// The typed text in the game's encoding; a character it cannot hold is refused
// like any other that is no tile.
std::string TextoDelJuego(const QString& texto, QString& error) {
    std::string s;
    for (char32_t codigo : texto.toUcs4()) {
        const QString caracter = QString::fromUcs4(&codigo, 1);
        const std::string byte = Txt(caracter.toStdString());
        if (byte == "?" && codigo != U'?') {
            error = AQString(NoHayFicha("%1")).arg(caracter);
            return {};
        }
        s += byte;
    }
    return s;
}

QString Cuenta(int total, int mostradas) {
    if (total == 0) return QStringLiteral("Ninguna palabra.");
    if (total == 1) return QStringLiteral("1 palabra.");
    QString texto = QStringLiteral("%1 palabras.").arg(total);
    if (mostradas < total)
        texto =
            QStringLiteral("%1 palabras; se muestran las %2 primeras.").arg(total).arg(mostradas);
    return texto;
}

QTreeWidget* Tabla(QWidget* padre, const QStringList& columnas) {
    auto* tabla = new QTreeWidget(padre);
    tabla->setHeaderLabels(columnas);
    tabla->setRootIsDecorated(false);
    tabla->setUniformRowHeights(true);
    tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla->header()->setStretchLastSection(false);
    tabla->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabla->header()->setSectionResizeMode(columnas.size() == 2 ? 0 : 1, QHeaderView::Stretch);
    PonerFuente(tabla, Fuente("Arial", 10));
    return tabla;
}

}  // namespace

VentanaLista::VentanaLista(Form1& principal) : QWidget(&principal), principal_(principal) {
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window still ends the program
    setWindowTitle(QStringLiteral("Lista de palabras"));
    const QFont normal = Fuente("MS Sans Serif", 8);
    PonerFuente(this, normal);

    txtPalabra = new QLineEdit(this);
    PonerFuente(txtPalabra, Fuente("Arial", 11, true));
    Colocar(txtPalabra, {8, 8, 284, 24});
    txtPalabra->setMaxLength(40);
    const struct {
        QRadioButton** opcion;
        const char* titulo;
        QRect lugar;
    } opciones[] = {{&optBuscar, "Buscar", {8, 38, 64, 20}},
                    {&optFichas, "Con estas fichas", {76, 38, 116, 20}},
                    {&optPatron, "Patrón", {196, 38, 96, 20}}};
    auto* grupo = new QButtonGroup(this);
    for (const auto& o : opciones) {
        *o.opcion = new QRadioButton(QString::fromUtf8(o.titulo), this);
        Colocar(*o.opcion, o.lugar);
        grupo->addButton(*o.opcion);
        connect(*o.opcion, &QRadioButton::toggled, this, [this](bool marcada) {
            if (marcada) Consultar();
        });
    }
    chkTodas = new QCheckBox(QStringLiteral("Solo las que usan todas las fichas"), this);
    Colocar(chkTodas, {8, 60, 284, 20});
    lblRespuesta = new QLabel(this);
    Colocar(lblRespuesta, {8, 84, 284, 32});
    lblRespuesta->setWordWrap(true);
    lblRespuesta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    lstPalabras = Tabla(this, {QStringLiteral("Palabra"), QStringLiteral("Puntos")});
    lstCambios = Tabla(this, {QStringLiteral("Cambio"), QStringLiteral("Palabra"), QString()});
    lstCambios->hide();

    cmdAnadir = new QPushButton(QStringLiteral("Añadir"), this);
    cmdQuitar = new QPushButton(QStringLiteral("Quitar"), this);
    cmdCambios = new QPushButton(QStringLiteral("Cambios"), this);
    cmdCambios->setCheckable(true);
    cmdAnadir->setToolTip(QStringLiteral("Añade la palabra escrita a la lista"));
    cmdQuitar->setToolTip(QStringLiteral("Quita la palabra escrita de la lista"));
    cmdCambios->setToolTip(
        QStringLiteral("Las palabras añadidas y quitadas desde que empezó el programa"));

    optBuscar->setChecked(true);
    connect(txtPalabra, &QLineEdit::textChanged, this, [this] { Consultar(); });
    connect(chkTodas, &QCheckBox::toggled, this, [this] { Consultar(); });
    connect(cmdAnadir, &QPushButton::clicked, this, [this] { Cambiar(Diccionario_Anadir); });
    connect(cmdQuitar, &QPushButton::clicked, this, [this] { Cambiar(Diccionario_Quitar); });
    connect(cmdCambios, &QPushButton::toggled, this, [this](bool cambios) {
        lstPalabras->setVisible(!cambios);
        lstCambios->setVisible(cambios);
        versionMostrada_ = -1;
        Pintar();
    });
    Ajustar();
    Pintar();
}

void VentanaLista::Ajustar() {
    const QRect pantalla = screen()->availableGeometry();
    const int marco = std::max(frameGeometry().height() - height(), 32);
    const int alto = std::clamp(static_cast<int>((pantalla.height() - marco) / FactorEscala()),
                                kAltoMinimo, kAlto);
    FijarTamano(this, {kAncho, alto});
    const QRect listas(8, kArribaListas, 284, alto - kArribaListas - 42);
    Colocar(lstPalabras, listas);
    Colocar(lstCambios, listas);
    const int abajo = alto - 34;
    Colocar(cmdAnadir, {8, abajo, 88, 26});
    Colocar(cmdQuitar, {106, abajo, 88, 26});
    Colocar(cmdCambios, {204, abajo, 88, 26});
    if (!isVisible()) return;
    QRect ventana = frameGeometry();
    ventana.moveRight(std::min(ventana.right(), pantalla.right()));
    ventana.moveBottom(std::min(ventana.bottom(), pantalla.bottom()));
    move(std::max(ventana.left(), pantalla.left()), std::max(ventana.top(), pantalla.top()));
}

void VentanaLista::Mostrar() {
    if (!colocada_) {
        // At the main window's right; when the screen has no room there, the
        // main window moves left as far as needed, so both are seen whole.
        colocada_ = true;
        const QRect pantalla = screen()->availableGeometry();
        const int ancho = width() + 16, hueco = 8;
        QRect junto = principal_.frameGeometry();
        const int izquierda =
            std::max(pantalla.left(), pantalla.right() - hueco - ancho - junto.width());
        if (izquierda < junto.left()) {
            principal_.move(izquierda, junto.top());
            junto = principal_.frameGeometry();
        }
        move(std::min(junto.right() + hueco, std::max(pantalla.left(), pantalla.right() - ancho)),
             std::clamp(junto.top(), pantalla.top(), pantalla.top() + pantalla.height() / 4));
    }
    Pintar();
    show();
    raise();
    activateWindow();
    txtPalabra->setFocus();
}

ModoConsulta VentanaLista::Modo() const {
    if (optFichas->isChecked()) return ModoConsulta::ConFichas;
    if (optPatron->isChecked()) return ModoConsulta::Patron;
    return ModoConsulta::Buscar;
}

void VentanaLista::Pintar() {
    const Juego& j = principal_.j;
    setEnabled(j.Form1.Habilitada && !j.Ocupado);
    if (versionMostrada_ == j.Cambios.Version()) return;
    versionMostrada_ = j.Cambios.Version();
    if (cmdCambios->isChecked())
        MostrarCambios();
    else
        Consultar();
}

void VentanaLista::Consultar() {
    chkTodas->setEnabled(optFichas->isChecked());
    if (cmdCambios->isChecked()) return;
    lstPalabras->clear();
    QPalette colores = lblRespuesta->palette();
    colores.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    QString error;
    const std::string texto = TextoDelJuego(txtPalabra->text(), error);
    const RespuestaConsulta r =
        error.isEmpty() ? tablerix::Consultar(principal_.j, Modo(), texto, chkTodas->isChecked())
                        : RespuestaConsulta{};
    if (error.isEmpty()) error = AQString(r.Error);
    if (!error.isEmpty()) {
        colores.setColor(QPalette::WindowText, kColorError);
        lblRespuesta->setText(error);
    } else if (r.Texto.empty()) {
        lblRespuesta->clear();
    } else if (Modo() == ModoConsulta::Buscar) {
        lblRespuesta->setText(AQString(r.Texto) + (r.Existe
                                                       ? QStringLiteral(" está en la lista.")
                                                       : QStringLiteral(" no está en la lista.")));
    } else {
        lblRespuesta->setText(Cuenta(r.Total, static_cast<int>(r.Filas.size())));
    }
    lblRespuesta->setPalette(colores);

    QList<QTreeWidgetItem*> filas;
    filas.reserve(static_cast<int>(r.Filas.size()));
    QTreeWidgetItem* buscada = nullptr;
    for (const FilaConsulta& f : r.Filas) {
        QString palabra = AQString(PalabraDeFila(principal_.j, r, f));
        if (f.Buscada && !r.Existe) palabra += QStringLiteral("   (no está)");
        auto* fila = new QTreeWidgetItem({palabra, QString::number(f.Puntos)});
        fila->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (f.Buscada) {
            QFont fuente = lstPalabras->font();
            fuente.setBold(r.Existe);
            fuente.setItalic(!r.Existe);
            fila->setFont(0, fuente);
            buscada = fila;
        }
        filas << fila;
    }
    lstPalabras->addTopLevelItems(filas);
    if (buscada) {
        lstPalabras->setCurrentItem(buscada);
        lstPalabras->scrollToItem(buscada, QAbstractItemView::PositionAtCenter);
    }
}

void VentanaLista::MostrarCambios() {
    lstCambios->clear();
    const auto& cambios = principal_.j.Cambios.Cambios();
    lblRespuesta->setPalette(palette());
    lblRespuesta->setText(cambios.empty()
                              ? QStringLiteral("La lista no ha cambiado.")
                              : QStringLiteral("Cambios desde que empezó el programa:"));
    for (int k = 0; k < static_cast<int>(cambios.size()); ++k) {
        auto* fila = new QTreeWidgetItem(
            lstCambios,
            {cambios[k].Incluida ? QStringLiteral("Añadida") : QStringLiteral("Quitada"),
             AQString(cambios[k].Palabra)});
        auto* deshacer = new QPushButton(QStringLiteral("Deshacer"));
        PonerFuente(deshacer, FuenteDeDiseno(this));
        lstCambios->setItemWidget(fila, 2, deshacer);
        connect(deshacer, &QPushButton::clicked, this, [this, k] {
            Diccionario_Deshacer(principal_.j, k);
            principal_.Pintar();
        });
    }
}

void VentanaLista::Cambiar(void (*manejador)(Juego&, const std::string&)) {
    QString error;
    const std::string texto = TextoDelJuego(txtPalabra->text(), error);
    if (!error.isEmpty()) {
        lblRespuesta->setText(error);
        return;
    }
    manejador(principal_.j, texto);
    principal_.Pintar();
}

}  // namespace tablerix
