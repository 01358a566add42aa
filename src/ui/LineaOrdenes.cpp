#include "ui/LineaOrdenes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include "ui/Aplicacion.h"
#include "ui/Carpetas.h"
#include "ui/Version.h"

namespace tablerix {

std::optional<int> AtenderLineaDeOrdenes(int argc, char* argv[]) {
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser lector;
    // Qt's own options are single-dash words: "-reverse" must not read as -r -e -v...
    lector.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ayuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption carpetas(QStringLiteral("carpetas"));
    lector.addOptions({ayuda, version, carpetas});
    lector.parse(argumentos);

    QTextStream salida(stdout);
    if (lector.isSet(ayuda)) {
        salida << QStringLiteral(
                      "Uso: tablerix [OPCIÓN]\n"
                      "Tablerix %1: juego de palabras cruzadas en español contra el ordenador.\n"
                      "\n"
                      "  -h, --help      muestra esta ayuda y termina\n"
                      "  -v, --version   muestra la versión y termina\n"
                      "      --carpetas  muestra dónde guarda tus archivos y dónde lee los suyos\n"
                      "\n"
                      "Instalado, el juego guarda la partida y las palabras que le enseñas en\n"
                      "~/.local/share/tablerix, o en su carpeta jugador si se instaló en\n"
                      "~/.local.\n")
                      .arg(QString::fromLatin1(kVersion));
        return 0;
    }
    if (lector.isSet(version)) {
        salida << "tablerix " << kVersion << '\n';
        return 0;
    }
    if (lector.isSet(carpetas)) {
        int n = argc;
        QCoreApplication aplicacion(n, argv);  // the program's own folder needs one
        NombrarAplicacion();
        const Carpetas c = CarpetasDelPrograma();
        salida << QStringLiteral("Tus archivos: ") << QFile::decodeName(c.Carpeta.c_str())
               << QStringLiteral("\nArchivos del juego: ")
               << QFile::decodeName((c.CarpetaDatos.empty() ? c.Carpeta : c.CarpetaDatos).c_str())
               << '\n';
        return 0;
    }
    return std::nullopt;
}

}  // namespace tablerix
