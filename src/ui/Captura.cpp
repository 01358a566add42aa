// Plays a few turns of a seeded game with the shipped word list and saves a
// picture of the main window: tablerix_captura FILE.png [TURNS] [SIZE] [QUESTION.png]
// (SIZE in percent, 100 by default; docs/screenshot.png is made this way at
// 150, under xvfb-run). With QUESTION.png, the screen around the main window
// and the computer's first question is saved too (docs/screenshot-pregunta.png).
// Every question is answered OK, so the word list is never changed; nothing
// is saved.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/Juego.h"
#include "ui/Aplicacion.h"
#include "ui/Carpetas.h"
#include "ui/Form1.h"
#include "ui/Form3.h"
#include "ui/FormQuillmar.h"
#include "ui/VentanaQt.h"

namespace {

// Where the picture of the computer's question goes; empty once it is taken.
QString archivoPregunta;
const tablerix::Juego* juego = nullptr;

// Saves the screen around the main window and the computer's question. True
// while the box is left open for one more tick, so that it has painted.
bool FotografiarPregunta(QMessageBox& caja) {
    static QPointer<QMessageBox> vista;
    if (archivoPregunta.isEmpty() || juego->Jugada.Turno != tablerix::kTurnoOrdenador) return false;
    if (vista != &caja) {
        vista = &caja;
        return true;
    }
    QWidget* principal = caja.parentWidget();
    const QRect zona =
        principal->frameGeometry().united(caja.frameGeometry()).adjusted(-8, -8, 8, 8);
    const QPixmap foto =
        principal->screen()->grabWindow(0, zona.x(), zona.y(), zona.width(), zona.height());
    if (!foto.save(archivoPregunta)) std::fprintf(stderr, "no se pudo escribir la pregunta\n");
    archivoPregunta.clear();
    return false;
}

void ContestarModales() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
        if (FotografiarPregunta(*caja)) return;
        caja->button(QMessageBox::Ok)->click();
    } else if (auto* acerca = dynamic_cast<tablerix::FormQuillmar*>(modal)) {
        acerca->accept();
    } else if (auto* elector = dynamic_cast<tablerix::Form3*>(modal)) {
        elector->cmdLetra[4]->click();
    }
}

bool HayFichasPuestas(const tablerix::Juego& j) {
    return std::any_of(
        j.Form1.Label1.begin(), j.Form1.Label1.end(),
        [](const tablerix::Casilla& c) { return c.Movible || c.Marca == tablerix::kMarcaOcupada; });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s ARCHIVO.png [TURNOS] [TAMA\xC3\x91O] [PREGUNTA.png]\n",
                     argv[0]);
        return 2;
    }
    const int turnos = argc > 2 ? std::atoi(argv[2]) : 4;
    const int tamano = argc > 3 ? std::atoi(argv[3]) : 100;
    if (argc > 4) archivoPregunta = QString::fromLocal8Bit(argv[4]);
    tablerix::PrepararAplicacion(app);

    tablerix::VentanaQt ventana;
    tablerix::Juego j(ventana);
    juego = &j;
    tablerix::PonerCarpetasDelPrograma(j);
    ventana.CrearVentanaPrincipal(j);
    ventana.Principal()->PonerTamano(tamano);  // not remembered: the player's choice stays
    QTimer contestador;
    QObject::connect(&contestador, &QTimer::timeout, ContestarModales);
    contestador.start(30);

    j.Azar.Sembrar(2026);
    if (!ventana.Arrancar(j, false)) return 1;
    tablerix::Form1& form = *ventana.Principal();
    for (int t = 0; t < turnos && j.Posicion.PartidaEnCurso; ++t) {
        form.MnuRecom->trigger();
        if (HayFichasPuestas(j))
            form.cmdOk->click();
        else
            form.cmdPasar->click();
    }
    // A recommendation left on the board shows its points before OK; the
    // switches are set for the picture only, not remembered.
    if (j.Posicion.PartidaEnCurso) form.MnuRecom->trigger();
    form.MnuPuntos->setChecked(true);
    form.MnuCoordenadas->setChecked(true);
    form.DisponerAyudas();
    form.PonerTamano(tamano);
    form.MnuContra->trigger();
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "no se pudo escribir %s\n", argv[1]);
        return 1;
    }
    if (!archivoPregunta.isEmpty()) {
        std::fprintf(stderr, "el ordenador no ha preguntado nada\n");
        return 1;
    }
    return 0;
}
