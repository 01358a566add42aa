// Writes the desktop icons: tablerix_iconos FOLDER SIZE... makes
// FOLDER/SIZExSIZE/tablerix.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/Imagenes.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s CARPETA LADO...\n", argv[0]);
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int lado = std::atoi(argv[i]);
        const QString destino = QStringLiteral("%1/%2x%2").arg(carpeta).arg(lado);
        if (lado <= 0 || !QDir().mkpath(destino) ||
            !tablerix::DibujarIcono(lado).save(destino + QStringLiteral("/tablerix.png"))) {
            std::fprintf(stderr, "no se pudo escribir el icono de %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
