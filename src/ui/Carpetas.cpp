#include "ui/Carpetas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "game/Juego.h"

namespace tablerix {
namespace {
std::string Local(const QString& ruta) {
    return QFile::encodeName(QDir::cleanPath(ruta)).toStdString();
}
}  // namespace

Carpetas ElegirCarpetas(const QString& carpetaPrograma, const QString& carpetaUsuario,
                        const QString& carpetaInstalada) {
    const QFileInfo programa(carpetaPrograma);
    if (QFileInfo::exists(QDir(carpetaPrograma).filePath(QStringLiteral("Tablerix.pal"))) &&
        programa.isWritable())
        return {Local(carpetaPrograma), {}};
    QDir().mkpath(carpetaUsuario);
    return {Local(carpetaUsuario), Local(carpetaInstalada)};
}

Carpetas CarpetasDelPrograma() {
    const QString programa = QCoreApplication::applicationDirPath();
    return ElegirCarpetas(programa,
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                          QDir(programa).filePath(QStringLiteral(TABLERIX_DATOS_DESDE_PROGRAMA)));
}

void PonerCarpetasDelPrograma(Juego& j) {
    Carpetas carpetas = CarpetasDelPrograma();
    j.Carpeta = carpetas.Carpeta;
    j.CarpetaDatos = carpetas.CarpetaDatos;
}

}  // namespace tablerix
