// "Juego › Estadísticas": the file read when it opens, a row per level,
// "Borrar estadísticas" asking first, and a window that fits at every size.
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

TEST_F(Estadisticas, ReadWhenOpenedClearedOnlyWhenConfirmedAndFittingAtEverySize) {
    QTemporaryDir carpeta;
    j.Carpeta = carpeta.path().toStdString();
    TablaEstadisticas t;
    ContarPartida(
        t, "x-1", 3,
        PartidaTerminada(120, 80, {"-----Jugador-----", "CASAS", "-----Total: 21"}, "2026-12-07"));
    ASSERT_TRUE(EscribirArchivoAtomico(RutaEstadisticas(j), FormatearEstadisticas(t)));
    MostrarActiva();
    auto abrir = [&](std::function<void(VentanaEstadisticas&)> mirar) {
        contestador.Hacer([mirar](QWidget* ventana) {
            auto* v = dynamic_cast<VentanaEstadisticas*>(ventana);
            ASSERT_NE(v, nullptr);
            mirar(*v);
            v->cmdCerrar->click();
        });
        form->MnuEstadisticas->trigger();
    };
    const QSize pantalla = form->screen()->availableGeometry().size();
    for (int tamano : kTamanos) {
        form->PonerTamano(tamano);
        abrir([&](VentanaEstadisticas& v) {
            EXPECT_LE(v.frameGeometry().width(), pantalla.width()) << tamano;
            EXPECT_LE(v.frameGeometry().height(), pantalla.height()) << tamano;
            EXPECT_EQ(v.lstNiveles->topLevelItemCount(), kNumNiveles);
        });
    }
    abrir([&](VentanaEstadisticas& v) {
        QStringList furby;
        for (int c = 0; c < v.lstNiveles->columnCount(); ++c)
            furby << v.lstNiveles->topLevelItem(3)->text(c);
        EXPECT_EQ(furby, QStringList({"Furby", "1", "1", "0", "0", "120 (07/12/2026)",
                                      "CASAS, 21 (07/12/2026)", "21,0"}));
        contestador.Responder(QMessageBox::Cancel);
        v.cmdBorrar->click();
        EXPECT_EQ(v.lstNiveles->topLevelItem(3)->text(1), QStringLiteral("1"));
        contestador.Responder(QMessageBox::Ok);
        v.cmdBorrar->click();
        EXPECT_EQ(v.lstNiveles->topLevelItem(3)->text(1), QStringLiteral("0"));
    });
    ASSERT_EQ(contestador.Cajas.size(), 2u);
    EXPECT_EQ(contestador.Cajas[0].Texto, QStringLiteral("¿Quieres borrar las estadísticas?"));
    EXPECT_FALSE(ExisteArchivo(RutaEstadisticas(j)));
}

}  // namespace
}  // namespace tablerix::prueba
