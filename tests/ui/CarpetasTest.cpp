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
        QTemporaryDir raiz;
        const QString programa = raiz.filePath(QStringLiteral("bin"));
        const QString usuario = raiz.filePath(QStringLiteral("casa/.local/share/tablerix"));
        QDir().mkpath(programa);
        QFile lista(programa + QStringLiteral("/Tablerix.pal"));
        if (fila.conLista) {
            ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
            lista.close();
        }
        // Root writes anywhere: the read-only folder is seen as nobody (real
        // user too, which access(2) asks), who may make the user's folder.
        const bool comoNadie = fila.soloLectura && geteuid() == 0;
        if (fila.soloLectura) QFile::setPermissions(programa, QFileDevice::Permissions(0x5555));
        if (comoNadie) QFile::setPermissions(raiz.path(), QFileDevice::Permissions(0x7777));
        ASSERT_TRUE(!comoNadie || setresuid(65534, 65534, 0) == 0);
        const Carpetas c =
            ElegirCarpetas(programa, usuario, programa + QStringLiteral("/../share/tablerix"));
        ASSERT_TRUE(!comoNadie || setresuid(0, 0, 0) == 0);
        QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(c.Carpeta, Ruta(fila.alLado ? programa : usuario));
        // The read-only folder's own list is read, not an installation's.
        EXPECT_EQ(c.CarpetaDatos, fila.alLado ? ""
                                  : fila.soloLectura
                                      ? Ruta(programa)
                                      : Ruta(raiz.filePath(QStringLiteral("share/tablerix"))));
        EXPECT_EQ(QDir(usuario).exists(), !fila.alLado);
    }
}

}  // namespace
}  // namespace tablerix::prueba
