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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    tablerix::PrepararAplicacion(app);
    // ctest runs the tests as parallel processes: each keeps its player's settings apart.
    QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
