// Tablerix: the program starts here.
#include <QApplication>
#include <QTimer>

#include "game/Juego.h"
#include "ui/Aplicacion.h"
#include "ui/Ayudas.h"
#include "ui/Carpetas.h"
#include "ui/Form1.h"
#include "ui/LineaOrdenes.h"
#include "ui/VentanaQt.h"

int main(int argc, char* argv[]) {
    if (const auto estado = tablerix::AtenderLineaDeOrdenes(argc, argv)) return *estado;
    QApplication app(argc, argv);
    tablerix::PrepararAplicacion(app);

    tablerix::VentanaQt ventana;
    tablerix::Juego j(ventana);
    tablerix::PonerCarpetasDelPrograma(j);
    ventana.CrearVentanaPrincipal(j);

    // About window, main window, word list, first game; without a word list
    // the user has been told and the program ends.
    if (!ventana.Arrancar(j, true, tablerix::NivelRecordado())) return 1;
    tablerix::RecuperarAyudas(j);
    ventana.Principal()->Pintar();
    QTimer::singleShot(0, [] { tablerix::AnotarTiempo("playable"); });
    return app.exec();
}
