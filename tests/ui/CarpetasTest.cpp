// Which folders the program reads and writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/Carpetas.h"

namespace tablerix::prueba {
namespace {

std::string Ruta(const QString& carpeta) {
    return QFile::encodeName(carpeta).toStdString();
}

TEST(ElegirCarpetas, BesideAWritableProgramWithAListOtherwiseTheUsersFolder) {
    const struct {
        const char* caso;
        bool conLista, soloLectura, alLado;
    } tabla[] = {
        {"build tree", true, false, true},
        {"installed", false, false, false},
        {"read-only program folder with a list", true, true, false},
    };
    for (const auto& fila : tabla) {
        SCOPED_TRACE(fila.caso);
        if (fila.soloLectura && geteuid() == 0) continue;  // root writes anywhere
        QTemporaryDir raiz;
        const QString programa = raiz.filePath(QStringLiteral("bin"));
        const QString usuario = raiz.filePath(QStringLiteral("casa/.local/share/tablerix"));
        QDir().mkpath(programa);
        QFile lista(programa + QStringLiteral("/Tablerix.pal"));
        if (fila.conLista) {
            ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
            lista.close();
        }
        if (fila.soloLectura) QFile::setPermissions(programa, QFile::ReadOwner | QFile::ExeOwner);
        const Carpetas c =
            ElegirCarpetas(programa, usuario, programa + QStringLiteral("/../share/tablerix"));
        QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(c.Carpeta, Ruta(fila.alLado ? programa : usuario));
        EXPECT_EQ(c.CarpetaDatos,
                  fila.alLado ? "" : Ruta(raiz.filePath(QStringLiteral("share/tablerix"))));
        EXPECT_EQ(QDir(usuario).exists(), !fila.alLado);
    }
}

}  // namespace
}  // namespace tablerix::prueba
