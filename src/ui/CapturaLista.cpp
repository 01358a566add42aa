// Saves a picture of the word-list window beside the main window, with the
// words the player's dealt tiles can make: tablerix_captura_lista FILE.png
// [SIZE] (SIZE in percent, 100 by default; docs/screenshot-diccionario.png is
// made this way at 150, under xvfb-run). Nothing is saved.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "game/Juego.h"
#include "ui/Aplicacion.h"
#include "ui/Carpetas.h"
#include "ui/ConversionQt.h"
#include "ui/Form1.h"
#include "ui/FormQuillmar.h"
#include "ui/VentanaLista.h"
#include "ui/VentanaQt.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s ARCHIVO.png [TAMA\xC3\x91O]\n", argv[0]);
        return 2;
    }
    tablerix::PrepararAplicacion(app);
    tablerix::VentanaQt ventana;
    tablerix::Juego j(ventana);
    tablerix::PonerCarpetasDelPrograma(j);
    ventana.CrearVentanaPrincipal(j);
    tablerix::Form1& form = *ventana.Principal();
    form.PonerTamano(argc > 2 ? std::atoi(argv[2]) : 100);  // not remembered
    QTimer splash;  // the about window opens first; closed as a click would
    QObject::connect(&splash, &QTimer::timeout, [] {
        if (auto* acerca = dynamic_cast<tablerix::FormQuillmar*>(QApplication::activeModalWidget()))
            acerca->accept();
    });
    splash.start(30);
    j.Azar.Sembrar(2026);
    if (!ventana.Arrancar(j, false)) return 1;

    form.MnuLista->trigger();
    tablerix::VentanaLista& lista = *form.Lista;
    std::string atril;
    for (int k = 1; k <= tablerix::kRanuras; ++k)
        if (j.Posicion.Atriles[tablerix::kTurnoJugador][k] != tablerix::kSinFicha)
            atril += j.Posicion.Atriles[tablerix::kTurnoJugador][k] == tablerix::kBlanco
                         ? '?'
                         : j.Posicion.Atriles[tablerix::kTurnoJugador][k];
    lista.optFichas->click();
    lista.txtPalabra->setText(tablerix::AQString(atril).toLower());
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    const QRect zona = form.frameGeometry().united(lista.frameGeometry()).adjusted(-8, -8, 8, 8);
    const QPixmap foto =
        form.screen()->grabWindow(0, zona.x(), zona.y(), zona.width(), zona.height());
    if (!foto.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "no se pudo escribir %s\n", argv[1]);
        return 1;
    }
    return 0;
}
