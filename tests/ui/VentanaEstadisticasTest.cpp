// "Juego › Estadísticas": the file read when it opens, a row per level,
// "Borrar estadísticas" asking first, and a window that fits the screen.
#include <QScreen>
#include <QTemporaryDir>

#include "VentanaDePrueba.h"
#include "savegame/ArchivoEstadisticas.h"
#include "savegame/EstadisticasGuardadas.h"
#include "ui/VentanaEstadisticas.h"
#include "wordlist/Archivos.h"

namespace tablerix::prueba {
namespace {

using Estadisticas = VentanaDePrueba;

TEST_F(Estadisticas, ReadWhenOpenedFittingTheScreenAndClearedOnlyWhenConfirmed) {
    QTemporaryDir carpeta;
    j.Carpeta = carpeta.path().toStdString();
    TablaEstadisticas t;
    ContarPartida(
        t, "x-1", 3,
        PartidaTerminada(120, 80, {"-----Jugador-----", "CASAS", "-----Total: 21"}, "2026-12-07"));
    ASSERT_TRUE(EscribirArchivoAtomico(RutaEstadisticas(j), FormatearEstadisticas(t)));
    MostrarActiva();
    form->PonerTamano(kTamanos.back());  // larger than the test's screen
    QStringList furby;
    contestador.Hacer([&furby](QWidget* ventana) {
        auto& v = dynamic_cast<VentanaEstadisticas&>(*ventana);
        const QSize pantalla = v.screen()->availableGeometry().size();
        EXPECT_LE(v.frameGeometry().width(), pantalla.width());
        EXPECT_LE(v.frameGeometry().height(), pantalla.height());
        EXPECT_EQ(v.lstNiveles->topLevelItemCount(), kNumNiveles);
        for (int c = 0; c < v.lstNiveles->columnCount(); ++c)
            furby << v.lstNiveles->topLevelItem(3)->text(c);
        v.cmdCerrar->click();
    });
    form->MnuEstadisticas->trigger();
    EXPECT_EQ(furby, QStringList({"Furby", "1", "1", "0", "0", "120 (07/12/2026)",
                                  "CASAS, 21 (07/12/2026)", "21,0"}));

    VentanaEstadisticas v(*form);
    v.show();
    for (auto respuesta : {QMessageBox::Cancel, QMessageBox::Ok}) {
        contestador.Responder(respuesta);
        v.cmdBorrar->click();
        EXPECT_EQ(v.lstNiveles->topLevelItem(3)->text(1),
                  respuesta == QMessageBox::Ok ? QStringLiteral("0") : QStringLiteral("1"));
    }
    ASSERT_EQ(contestador.Cajas.size(), 2u);
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("¿Quieres borrar las estadísticas?"));
    EXPECT_FALSE(ExisteArchivo(RutaEstadisticas(j)));
}

}  // namespace
}  // namespace tablerix::prueba
