#include "wordlist/ListaPalabras.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "wordlist/Archivos.h"
#include "wordlist/LectorElementos.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Elementos(std::string_view texto) {
    std::vector<std::string> salida;
    LectorElementos lector(texto);
    std::string e;
    while (lector.Leer(e)) salida.push_back(e);
    return salida;
}

std::vector<std::string> Entradas(const ListaPalabras& l) {
    return {l.Palabras().begin() + 1, l.Palabras().end()};
}

ListaPalabras ListaDe(std::string_view texto) {
    ListaPalabras l;
    l.CargarDesdeTexto(texto);
    return l;
}

class CarpetaTemporal : public ::testing::Test {
protected:
    void SetUp() override {
        carpeta_ = fs::temp_directory_path() /
                   ("tablerix-lista-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                    "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(carpeta_);
        fs::create_directories(carpeta_);
    }
    void TearDown() override { fs::remove_all(carpeta_); }
    std::string Ruta(const std::string& nombre) const { return (carpeta_ / nombre).string(); }
    void Escribir(const std::string& nombre, std::string_view bytes) const {
        std::ofstream(Ruta(nombre), std::ios::binary).write(bytes.data(), bytes.size());
    }
    fs::path carpeta_;
};

TEST(LectorElementos, SeparaPorComasYFinesDeLinea) {
    EXPECT_EQ(Elementos("CASA,PERRO\r\nGATO\r\n"),
              (std::vector<std::string>{"CASA", "PERRO", "GATO"}));
    // Leading blanks go, trailing ones stay; quotes are dropped.
    EXPECT_EQ(Elementos("   OSO  \r\n\"LUNA\"\r\n"), (std::vector<std::string>{"OSO  ", "LUNA"}));
    // A blank line is an empty item; CR or LF alone end a line too.
    EXPECT_EQ(Elementos("A\r\n\r\nB\rC\nD"),
              (std::vector<std::string>{"A", "", "B", "C", "D"}));
    // A comma before the line end leaves an empty item; the final line end adds none.
    EXPECT_EQ(Elementos("X,\r\n"), (std::vector<std::string>{"X", ""}));
    EXPECT_TRUE(Elementos("").empty());
}

TEST(ListaPalabras, CargaSaltaElementosDeUnaLetraYGuardaVacios) {
    ListaPalabras l = ListaDe("CASA\r\nA\r\n\r\nOSO,AS\r\nZ");
    EXPECT_EQ(Entradas(l), (std::vector<std::string>{"CASA", "", "OSO", "AS"}));
    EXPECT_EQ(l.NumPalabras(), 4);
    EXPECT_TRUE(l.ExistePalabra("OSO"));
    EXPECT_FALSE(l.ExistePalabra("A"));
    EXPECT_FALSE(l.ExistePalabra("casa"));  // exact, case-sensitive
    EXPECT_FALSE(l.DiccionarioModificado);
}

TEST(ListaPalabras, BorrarSustituyeSoloLaPrimeraIgual) {
    ListaPalabras l = ListaDe("OSO\r\nCASA\r\nOSO\r\n");
    l.BorrarPalabra("OSO");
    EXPECT_EQ(l.Palabras()[1], ListaPalabras::kMarcaBorrada);
    EXPECT_EQ(l.Palabras()[3], "OSO");
    EXPECT_TRUE(l.ExistePalabra("OSO"));  // the second copy is still there
    l.BorrarPalabra("OSO");
    EXPECT_FALSE(l.ExistePalabra("OSO"));
    EXPECT_EQ(l.NumPalabras(), 3);  // removal never shortens the list
    // The placeholder itself is never found, nor removed again.
    EXPECT_FALSE(l.ExistePalabra(ListaPalabras::kMarcaBorrada));
    ListaPalabras m = ListaDe("CASA\r\n");
    m.BorrarPalabra("PERRO");
    EXPECT_TRUE(m.DiccionarioModificado);  // set even when nothing was found
    EXPECT_EQ(Entradas(m), (std::vector<std::string>{"CASA"}));
}

TEST(ListaPalabras, IncluirRespetaElOrdenDeLaLista) {
    ListaPalabras l = ListaDe("NUEZ\r\nOSO\r\n");
    std::string nandu = Txt("ÑANDU");
    l.IncluirPalabra(nandu);
    EXPECT_EQ(Entradas(l), (std::vector<std::string>{"NUEZ", Txt("ÑANDU"), "OSO"}));
    EXPECT_TRUE(l.DiccionarioModificado);

    ListaPalabras m = ListaDe("AZUL\r\nBOTA\r\n");
    std::string anio = Txt("año");
    m.IncluirPalabra(anio);
    EXPECT_EQ(anio, Txt("AÑO"));  // the caller's string is capitalised too
    EXPECT_EQ(Entradas(m), (std::vector<std::string>{"AZUL", Txt("AÑO"), "BOTA"}));
    EXPECT_TRUE(m.ExistePalabra(Txt("AÑO")));

    std::string zeta = "ZETA";
    m.IncluirPalabra(zeta);
    EXPECT_EQ(m.Palabras().back(), "ZETA");

    ListaPalabras vacia;
    std::string uno = "UNO";
    vacia.IncluirPalabra(uno);
    EXPECT_EQ(Entradas(vacia), (std::vector<std::string>{"UNO"}));
}

TEST(ListaPalabras, OrdenConEnieInicial) {
    // Leading Ñ sorts as NZ: after every N word but those starting NZ, before O.
    EXPECT_TRUE(ListaPalabras::Menor("NUEZ", Txt("ÑU")));
    EXPECT_TRUE(ListaPalabras::Menor(Txt("ÑU"), "OSO"));
    EXPECT_TRUE(ListaPalabras::Menor("NZA", Txt("ÑU")));
    EXPECT_TRUE(ListaPalabras::Menor(Txt("ÑU"), "NZZ"));
    // Inside a word Ñ is just the byte 0xD1, after Z.
    EXPECT_TRUE(ListaPalabras::Menor("AZUL", Txt("AÑO")));
    EXPECT_TRUE(ListaPalabras::Menor("CAS", "CASA"));
    EXPECT_FALSE(ListaPalabras::Menor("CASA", "CASA"));
}

TEST(ListaPalabras, ObservadoresSiguenLasPosiciones) {
    struct Apuntes : ObservadorLista {
        std::vector<std::string> registro;
        void Anotar(char signo, int p, const std::string& w) {
            registro.push_back(std::string(1, signo).append(std::to_string(p)).append(w));
        }
        void Incluida(int p, const std::string& w) override { Anotar('+', p, w); }
        void Borrada(int p, const std::string& w) override { Anotar('-', p, w); }
        void Recargada() override { registro.push_back("*"); }
    } apuntes;
    ListaPalabras l;
    l.AgregarObservador(&apuntes);
    l.CargarDesdeTexto("BOTA\r\nCASA\r\n");
    std::string ave = "AVE";
    l.IncluirPalabra(ave);
    l.BorrarPalabra("CASA");
    l.BorrarPalabra("NADA");
    l.QuitarObservador(&apuntes);
    l.BorrarPalabra("BOTA");
    EXPECT_EQ(apuntes.registro, (std::vector<std::string>{"*", "+1AVE", "-3CASA"}));
}

TEST_F(CarpetaTemporal, GuardarYCargarDevuelvenLosMismosBytes) {
    std::string original = "CASA\r\n\r\nOSO  \r\n" + Txt("ÑU") + "\r\n";
    Escribir("Tablerix.pal", original);
    ListaPalabras l;
    ASSERT_TRUE(l.Cargar(Ruta("Tablerix.pal")));
    ASSERT_TRUE(l.Guardar(Ruta("copia.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("copia.pal")), original);

    // Included words land in place, removed ones vanish from the file.
    std::string gato = "GATO";
    l.IncluirPalabra(gato);
    l.BorrarPalabra("OSO  ");
    ASSERT_TRUE(l.Guardar(Ruta("copia.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("copia.pal")), "CASA\r\n\r\nGATO\r\n" + Txt("ÑU") + "\r\n");
}

TEST_F(CarpetaTemporal, UnGuardadoFallidoDejaElArchivoAnterior) {
    Escribir("Tablerix.pal", "VIEJA\r\n");
    ListaPalabras l = ListaDe("NUEVA\r\n");
    // A folder standing where the temporary file must go makes the write fail.
    fs::create_directory(Ruta("Tablerix.pal.tmp"));
    EXPECT_FALSE(l.Guardar(Ruta("Tablerix.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("Tablerix.pal")), "VIEJA\r\n");
    EXPECT_FALSE(l.Guardar(Ruta("no-existe/Tablerix.pal")));
}

TEST_F(CarpetaTemporal, ArchivosVaciosOAusentesNoSonLista) {
    ListaPalabras l = ListaDe("CASA\r\n");
    EXPECT_FALSE(l.Cargar(Ruta("no-existe.pal")));
    Escribir("vacio.pal", "");
    EXPECT_FALSE(l.Cargar(Ruta("vacio.pal")));
    EXPECT_FALSE(l.Cargar(carpeta_.string()));  // a folder is not a file
    EXPECT_EQ(Entradas(l), (std::vector<std::string>{"CASA"}));  // untouched
}

TEST_F(CarpetaTemporal, ArchivosDanadosNiRompenNiSeCuelgan) {
    std::string basura;
    for (int i = 0; i < 200000; ++i) basura += static_cast<char>((i * 7919 + 13) % 256);
    Escribir("basura.pal", basura);
    ListaPalabras l;
    ASSERT_TRUE(l.Cargar(Ruta("basura.pal")));
    EXPECT_GT(l.NumPalabras(), 0);

    // One 100 MB line without a line end: kept as one entry that never plays.
    std::string enorme(100u << 20, 'A');
    Escribir("enorme.pal", enorme);
    ASSERT_TRUE(l.Cargar(Ruta("enorme.pal")));
    ASSERT_EQ(l.NumPalabras(), 1);
    EXPECT_EQ(l.Palabras()[1].size(), enorme.size());
    EXPECT_TRUE(l.ExistePalabra(enorme));

    Escribir("solo-cr.pal", "\r\r\r,,,\n\n");
    ASSERT_TRUE(l.Cargar(Ruta("solo-cr.pal")));
    EXPECT_EQ(l.NumPalabras(), 8);  // every item empty
}

}  // namespace
}  // namespace tablerix
