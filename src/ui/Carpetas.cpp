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

bool MismaCarpeta(const QString& a, const QString& b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// The player's files come over from the folder they used to share with the
// shipped ones. The word list there may hold taught words or be the shipped
// one, so it is copied and the shipped one stays.
void TraerArchivosDelJugador(const QDir& antigua, const QDir& nueva) {
    const QString ini = QStringLiteral("Tablerix.ini"), pal = QStringLiteral("Tablerix.pal");
    QFile::rename(antigua.filePath(ini), nueva.filePath(ini));
    QFile::copy(antigua.filePath(pal), nueva.filePath(pal));
}

}  // namespace

Carpetas ElegirCarpetas(const QString& carpetaPrograma, const QString& carpetaUsuario,
                        const QString& carpetaInstalada) {
    const bool conLista =
        QFileInfo::exists(QDir(carpetaPrograma).filePath(QStringLiteral("Tablerix.pal")));
    if (conLista && QFileInfo(carpetaPrograma).isWritable()) return {Local(carpetaPrograma), {}};
    // A read-only folder holding the list (a shared or unpacked copy) ships it.
    const QString datos = conLista ? carpetaPrograma : carpetaInstalada;
    QDir().mkpath(carpetaUsuario);
    // Installed under the user's own data folder (--prefix ~/.local), the
    // shipped files and the player's would be the same: a reinstall would
    // overwrite the taught words. The player's files then move to a folder of their own.
    if (!MismaCarpeta(carpetaUsuario, datos)) return {Local(carpetaUsuario), Local(datos)};
    const QString jugador = QDir(carpetaUsuario).filePath(QStringLiteral("jugador"));
    // Only when the folder is made: later files there are the installation's.
    if (!QFileInfo::exists(jugador) && QDir().mkpath(jugador))
        TraerArchivosDelJugador(QDir(carpetaUsuario), QDir(jugador));
    return {Local(jugador), Local(datos)};
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
