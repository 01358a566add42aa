#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "CarpetaTemporal.h"
#include "wordlist/Archivos.h"
#include "wordlist/IndiceBusqueda.h"
#include "wordlist/ListaPalabras.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

namespace fs = std::filesystem;

using Lista = std::vector<std::string>;

Lista Entradas(const ListaPalabras& l) {
    return {l.Palabras().begin() + 1, l.Palabras().end()};
}

ListaPalabras ListaDe(std::string_view texto) {
    ListaPalabras l;
    l.CargarDesdeTexto(texto);
    return l;
}

TEST(ListaPalabras, CargaLosElementosDelArchivo) {
    // Commas and line ends (CR LF, CR or LF alone) end items; no final line end needed.
    EXPECT_EQ(Entradas(ListaDe("CASA,PERRO\r\nGATO\rOSO\nLUNA")),
              (Lista{"CASA", "PERRO", "GATO", "OSO", "LUNA"}));
    // Leading blanks go, trailing ones stay; quotes are dropped.
    EXPECT_EQ(Entradas(ListaDe("   OSO  \r\n\"LUNA\"\r\n")), (Lista{"OSO  ", "LUNA"}));
    // One-character items are skipped, empty ones kept; the final line end adds none.
    EXPECT_EQ(Entradas(ListaDe("CASA\r\nA\r\n\r\nOS,\r\nZ")), (Lista{"CASA", "", "OS", ""}));
    EXPECT_EQ(Entradas(ListaDe("")), Lista{});
}

TEST(ListaPalabras, BorrarSustituyeSoloLaPrimeraIgual) {
    ListaPalabras l = ListaDe("OSO\r\nCASA\r\nOSO\r\n");
    EXPECT_FALSE(l.ExistePalabra("oso"));  // exact, case-sensitive
    l.BorrarPalabra("OSO");
    // The list never shortens: the entry becomes a placeholder, which is never found.
    EXPECT_EQ(Entradas(l), (Lista{ListaPalabras::kMarcaBorrada, "CASA", "OSO"}));
    EXPECT_TRUE(l.ExistePalabra("OSO"));
    EXPECT_FALSE(l.ExistePalabra(ListaPalabras::kMarcaBorrada));
    l.BorrarPalabra("OSO");
    EXPECT_FALSE(l.ExistePalabra("OSO"));
}

TEST(ListaPalabras, IncluirRespetaElOrdenDeLaLista) {
    const struct {
        const char *lista, *palabra, *resultado;
    } casos[] = {
        {"NUEZ\nOSO", "ÑANDU", "NUEZ\nÑANDU\nOSO"},  // a leading Ñ is keyed as NZ
        {"NZA\nNZZ", "ÑU", "NZA\nÑU\nNZZ"},
        {"AZUL\nBOTA", "año", "AZUL\nAÑO\nBOTA"},  // inside a word Ñ sorts after Z
        {"CAS\nCASAS", "CASA", "CAS\nCASA\nCASAS"},
        {"AZUL\nBOTA", "ZETA", "AZUL\nBOTA\nZETA"},
        {"", "UNO", "UNO"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.palabra);
        ListaPalabras l = ListaDe(Txt(c.lista));
        std::string palabra = Txt(c.palabra);
        l.IncluirPalabra(palabra);
        EXPECT_EQ(Entradas(l), Entradas(ListaDe(Txt(c.resultado))));
        EXPECT_TRUE(l.ExistePalabra(palabra));  // stored in capitals, the caller's string too
    }
}

class ArchivoLista : public ::testing::Test {
  protected:
    std::string Ruta(const std::string& nombre) const { return carpeta_.Ruta(nombre); }
    void Escribir(const std::string& nombre, const std::string& bytes) const {
        ASSERT_TRUE(EscribirArchivoAtomico(Ruta(nombre), bytes));
    }
    prueba::CarpetaTemporal carpeta_{"lista"};
};

TEST_F(ArchivoLista, GuardarYCargarDevuelvenLosMismosBytes) {
    const std::string original = "CASA\r\n\r\nOSO  \r\n" + Txt("ÑU") + "\r\n";
    Escribir("Tablerix.pal", original);
    ListaPalabras l;
    ASSERT_TRUE(l.Cargar(Ruta("Tablerix.pal")));
    ASSERT_TRUE(l.Guardar(Ruta("copia.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("copia.pal")), original);
    // A removed word leaves a placeholder in the list, and nothing in the file.
    l.BorrarPalabra("OSO  ");
    ASSERT_TRUE(l.Guardar(Ruta("copia.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("copia.pal")), "CASA\r\n\r\n" + Txt("ÑU") + "\r\n");
}

// What the disk held at each flush: a folder or the file, and the saved file's bytes then.
std::vector<std::pair<bool, std::string>> vistos;
std::string vigilado;
bool fallarArchivo = false;
int SincronizarVigilado(int fd) {
    struct stat datos;
    const bool carpeta = ::fstat(fd, &datos) == 0 && S_ISDIR(datos.st_mode);
    vistos.emplace_back(carpeta, LeerArchivo(vigilado).value_or("?"));
    return fallarArchivo && !carpeta ? -1 : ::fsync(fd);
}

TEST_F(ArchivoLista, GuardarAguantaUnCorteDeLuz) {
    fs::create_directory(Ruta("real"));
    Escribir("real/lista.pal", "VIEJA\r\n");
    const auto privado = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(Ruta("real/lista.pal"), privado);
    Escribir("real/lista.pal.tmp-1-1", "left by a crash");
    fs::create_symlink("real/lista.pal", Ruta("Tablerix.pal"));
    vigilado = Ruta("real/lista.pal");
    SincronizarDescriptor = SincronizarVigilado;
    const bool guardada = ListaDe("NUEVA\r\n").Guardar(Ruta("Tablerix.pal"));
    fallarArchivo = true;
    const bool fallida = ListaDe("OTRA\r\n").Guardar(Ruta("Tablerix.pal"));
    SincronizarDescriptor = ::fsync;

    EXPECT_TRUE(guardada);
    EXPECT_FALSE(fallida);
    // The data reaches the disk before the rename, the rename before the save returns.
    EXPECT_EQ(vistos,
              (decltype(vistos){{false, "VIEJA\r\n"}, {true, "NUEVA\r\n"}, {false, "NUEVA\r\n"}}));
    // Through the link, which stays one; no temporary file outlives a save.
    EXPECT_TRUE(fs::is_symlink(Ruta("Tablerix.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("Tablerix.pal")), "NUEVA\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(Ruta("real")), fs::directory_iterator()), 1);
    EXPECT_EQ(fs::status(Ruta("real/lista.pal")).permissions(), privado);  // stays private
}

TEST_F(ArchivoLista, UnaListaEnUtf8SeLeeYSeGuardaEnWindows1252) {
    // Saved by an editor in UTF-8 (as this source is), with its byte-order mark.
    Escribir("Tablerix.pal",
             "\xEF\xBB\xBF"
             "AÑO\r\nCAMIÓN\r\n");
    ListaPalabras l;
    ASSERT_TRUE(l.Cargar(Ruta("Tablerix.pal")));
    EXPECT_EQ(Entradas(l), (Lista{Txt("AÑO"), Txt("CAMIÓN")}));
    ASSERT_TRUE(l.Guardar(Ruta("Tablerix.pal")));
    EXPECT_EQ(LeerArchivo(Ruta("Tablerix.pal")), Txt("AÑO\r\nCAMIÓN\r\n"));
}

// Runs out of memory when the list is reloaded, after the index has followed it.
struct SinMemoria : ObservadorLista {
    void Incluida(int, const std::string&) override {}
    void Borrada(int, const std::string&) override {}
    void Recargada() override { throw std::bad_alloc(); }
};

TEST_F(ArchivoLista, ArchivosRarosNiRompenNiSeCuelgan) {
    // Missing, empty, a folder or too much to hold: no word list, and the one
    // held and its index are untouched.
    ListaPalabras l = ListaDe("CASA\r\n");
    IndiceBusqueda indice(l);
    Escribir("vacio.pal", "");
    Escribir("corta.pal", "MAR\r\n");
    SinMemoria sinMemoria;
    l.AgregarObservador(&sinMemoria);
    for (const std::string& ruta :
         {Ruta("no-existe.pal"), Ruta("vacio.pal"), carpeta_.Ruta().string(), Ruta("corta.pal")})
        EXPECT_FALSE(l.Cargar(ruta)) << ruta;
    l.QuitarObservador(&sinMemoria);
    EXPECT_EQ(Entradas(l), (Lista{"CASA"}));
    EXPECT_EQ(indice.LetrasQueCompletan("CAS", ""), 1u << CodigoLetra('A'));
    EXPECT_EQ(indice.LetrasQueCompletan("MA", ""), 0u);

    std::string basura;
    for (int i = 0; i < 200000; ++i) basura += static_cast<char>((i * 7919 + 13) % 256);
    Escribir("basura.pal", basura);
    ASSERT_TRUE(l.Cargar(Ruta("basura.pal")));
    EXPECT_GT(l.NumPalabras(), 0);

    // One 60 MB line without a line end: kept as one entry that never plays.
    const std::string enorme(60u << 20, 'A');
    Escribir("enorme.pal", enorme);
    ASSERT_TRUE(l.Cargar(Ruta("enorme.pal")));
    EXPECT_EQ(l.NumPalabras(), 1);
    EXPECT_TRUE(l.ExistePalabra(enorme));

    Escribir("solo-cr.pal", "\r\r\r,,,\n\n");
    ASSERT_TRUE(l.Cargar(Ruta("solo-cr.pal")));
    EXPECT_EQ(Entradas(l), Lista(8));  // every item empty
}

}  // namespace
}  // namespace tablerix
