// The window tests share one QApplication; they run offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/Aplicacion.h"

namespace {

// The offscreen platform says it cannot pass size hints to a window manager it does not have.
void FiltrarAvisos(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.contains(QLatin1String("propagateSizeHints"))) return;
    qt_message_output(tipo, contexto, texto);
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(FiltrarAvisos);
    // Offscreen, on a screen of 1600 x 1000: 250 % and 300 % do not fit it.
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.isEmpty() || plataforma == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TABLERIX_PANTALLA_PRUEBAS);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    tablerix::PrepararAplicacion(app);
    // ctest runs the tests as parallel processes: each keeps its player's settings apart.
    QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
