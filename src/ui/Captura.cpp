// Plays a few turns of a seeded game with the shipped word list and saves a
// picture of the main window: tablerix_captura FILE.png [TURNS] [SIZE]
// (SIZE in percent, 100 by default; docs/screenshot.png is made this way at
// 150, under xvfb-run). Every question is
// answered OK, so the word list is never changed; nothing is saved.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

void ContestarModales() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
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
        std::fprintf(stderr, "uso: %s ARCHIVO.png [TURNOS] [TAMA\xC3\x91O]\n", argv[0]);
        return 2;
    }
    const int turnos = argc > 2 ? std::atoi(argv[2]) : 4;
    const int tamano = argc > 3 ? std::atoi(argv[3]) : 100;
    tablerix::PrepararAplicacion(app);

    tablerix::VentanaQt ventana;
    tablerix::Juego j(ventana);
    tablerix::PonerCarpetasDelPrograma(j);
    ventana.CrearVentanaPrincipal(j);
    ventana.Principal()->PonerTamano(tamano);  // not remembered: the player's choice stays
    QTimer contestador;
    QObject::connect(&contestador, &QTimer::timeout, ContestarModales);
    contestador.start(30);

    j.Azar.Sembrar(2026);
    if (!ventana.Arrancar(j, false)) return 1;
    tablerix::Form1& form = *ventana.Principal();
    for (int t = 0; t < turnos && j.PartidaEnCurso; ++t) {
        form.MnuRecom->trigger();
        if (HayFichasPuestas(j))
            form.cmdOk->click();
        else
            form.cmdPasar->click();
    }
    form.MnuContra->trigger();
    QApplication::processEvents();
    if (!form.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "no se pudo escribir %s\n", argv[1]);
        return 1;
    }
    return 0;
}
