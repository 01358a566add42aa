// Which folders the program reads and writes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ui/Carpetas.h"

namespace tablerix::prueba {
namespace {

std::string Ruta(const QString& carpeta) { return QFile::encodeName(carpeta).toStdString(); }

class ElegirCarpetasTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(raiz.isValid()); }
    QString Crear(const QString& nombre) {
        QDir(raiz.path()).mkpath(nombre);
        return raiz.filePath(nombre);
    }
    QTemporaryDir raiz;
};

TEST_F(ElegirCarpetasTest, BuildTreeKeepsEverythingBesideTheProgram) {
    const QString programa = Crear(QStringLiteral("build/src/ui"));
    QFile lista(programa + QStringLiteral("/Tablerix.pal"));
    ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
    lista.close();
    const Carpetas c = ElegirCarpetas(programa, raiz.filePath(QStringLiteral("usuario")),
                                      raiz.filePath(QStringLiteral("share")));
    EXPECT_EQ(c.Carpeta, Ruta(programa));
    EXPECT_TRUE(c.CarpetaDatos.empty());
    EXPECT_FALSE(QDir(raiz.filePath(QStringLiteral("usuario"))).exists());
}

TEST_F(ElegirCarpetasTest, InstalledProgramWritesToTheUsersFolder) {
    const QString programa = Crear(QStringLiteral("bin"));
    const QString usuario = raiz.filePath(QStringLiteral("casa/.local/share/tablerix"));
    const Carpetas c = ElegirCarpetas(programa, usuario, programa + QStringLiteral("/../share/tablerix"));
    EXPECT_EQ(c.Carpeta, Ruta(usuario));
    EXPECT_TRUE(QDir(usuario).exists());
    EXPECT_EQ(c.CarpetaDatos, Ruta(raiz.filePath(QStringLiteral("share/tablerix"))));
}

TEST_F(ElegirCarpetasTest, ReadOnlyProgramFolderWithAListIsNotWrittenTo) {
    if (geteuid() == 0) GTEST_SKIP() << "root can write anywhere";
    const QString programa = Crear(QStringLiteral("opt"));
    QFile lista(programa + QStringLiteral("/Tablerix.pal"));
    ASSERT_TRUE(lista.open(QIODevice::WriteOnly));
    lista.close();
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::ExeOwner);
    const Carpetas c = ElegirCarpetas(programa, raiz.filePath(QStringLiteral("usuario")), programa);
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(c.Carpeta, Ruta(raiz.filePath(QStringLiteral("usuario"))));
    EXPECT_EQ(c.CarpetaDatos, Ruta(programa));
}

}  // namespace
}  // namespace tablerix::prueba
