#include "ui/Aplicacion.h"

#include <QDateTime>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/Imagenes.h"

namespace tablerix {

QFont Fuente(const char* familia, double puntos, bool negrita) {
    QFont fuente{QString::fromLatin1(familia)};
    fuente.setPixelSize(static_cast<int>(std::lround(puntos * 96.0 / 72.0)));
    fuente.setBold(negrita);
    if (QLatin1String(familia) == QLatin1String("Arial Black")) fuente.setWeight(QFont::Black);
    return fuente;
}

namespace {

// The program has an application name only; as the organisation it names the
// settings file, where an empty one would not do.
QSettings AjustesDelUsuario() {
    return QSettings(QCoreApplication::applicationName(), QString());
}

}  // namespace

QVariant LeerAjuste(const char* clave, const QVariant& porDefecto) {
    return AjustesDelUsuario().value(QLatin1String(clave), porDefecto);
}

void GuardarAjuste(const char* clave, const QVariant& valor) {
    AjustesDelUsuario().setValue(QLatin1String(clave), valor);
}

void NombrarAplicacion() {
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("tablerix"));
}

void PrepararAplicacion(QApplication& app) {
    NombrarAplicacion();
    QGuiApplication::setDesktopFileName(QStringLiteral("tablerix"));
    // Arial and Courier New already resolve to their metric twins through fontconfig.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"));
    app.setFont(Fuente("MS Sans Serif", 8));
    app.setWindowIcon(IconoVentana());
    // Qt's own buttons and dialogs in Spanish whatever the desktop's language;
    // without the translation they stay English and the program still runs.
    auto* traduccion = new QTranslator(&app);
    if (traduccion->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduccion);
    else
        delete traduccion;
}

void AnotarTiempo(const char* que) {
    static const bool anotar = std::getenv("TABLERIX_TIEMPOS") != nullptr;
    if (anotar)
        std::fprintf(stderr, "%lld %s\n",
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()), que);
}

}  // namespace tablerix
