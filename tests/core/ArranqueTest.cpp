#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "CarpetaTemporal.h"
#include "JuegoDePrueba.h"
#include "game/Arranque.h"
#include "wordlist/Archivos.h"

namespace tablerix {
namespace {

TEST(Arranque, TableroPremiosValoresYLeyenda) {
    VentanaGuionizada v;
    Juego j(v);
    ModeloVentana& f = j.Form1;
    DisenoInicial(f);
    std::map<Color, int> cuenta;
    for (const Casilla& c : f.Label1) ++cuenta[c.Fondo];
    EXPECT_EQ(cuenta, (std::map<Color, int>{{kPalabraX3, 8},
                                            {kPalabraX2, 17},
                                            {kLetraX3, 12},
                                            {kLetraX2, 24},
                                            {kColorVentana, 164}}));
    // Rows 0, 3 and 7 are scored in a scenario; the board looks the same from all four sides.
    for (int i = 0; i < kCasillas; ++i) {
        const int fila = i / kLado, col = i % kLado;
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[fila * kLado + (kLado - 1 - col)].Fondo);
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[(kLado - 1 - fila) * kLado + col].Fondo);
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[col * kLado + fila].Fondo);
    }

    ConstruirValores(j);  // the letters' values are read back through the legend and in scoring
    f.lblPuntos = "viejo";
    ConstruirLeyenda(j);
    const std::string& l = f.lblPuntos;
    EXPECT_EQ(l.size(), 26u * 6u);
    EXPECT_EQ(l.substr(0, 20), " A-1   B-3   C-3   D");
    EXPECT_EQ(l.substr(13 * 6, 24), " N-1   \xD1-8   O-1   P-3  ");
    EXPECT_EQ(l.find('W'), std::string::npos);
    EXPECT_EQ(l.substr(l.size() - 12), " Y-4   Z-8  ");
}

namespace fs = std::filesystem;

// Notes what the game holds when each window opens.
class VentanaDeArranque : public VentanaGuionizada {
  public:
    const Juego* J = nullptr;
    bool ValoresAlVerAcercaDe = true, PrincipalAntesDeCargar = false;
    int EventosAntesDeCargar = -1;

    void MostrarAcercaDe() override {
        ValoresAlVerAcercaDe = !J->Valores[1].empty();
        VentanaGuionizada::MostrarAcercaDe();
    }
    void MostrarProgreso(int modo, const std::function<void()>& trabajo) override {
        PrincipalAntesDeCargar = !Ventanas.empty() && Ventanas.back() == "main";
        EventosAntesDeCargar = LlamadasProcesarEventos;
        VentanaGuionizada::MostrarProgreso(modo, trabajo);
    }
};

class Arrancando : public ::testing::Test {
  protected:
    VentanaDeArranque v;
    Juego j{v};
    prueba::CarpetaTemporal carpeta{
        std::string("arranque-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
    const fs::path& raiz = carpeta.Ruta();

    void SetUp() override {
        v.J = &j;
        fs::create_directories(raiz / "usuario");
        fs::create_directories(raiz / "datos");
        j.Carpeta = (raiz / "usuario").string();
        j.CarpetaDatos = (raiz / "datos").string();
        j.Azar.Sembrar(3);
    }
    void Escribir(const std::string& carpeta, std::string_view bytes) {
        std::ofstream(fs::path(carpeta) / "Tablerix.pal", std::ios::binary)
            .write(bytes.data(), bytes.size());
    }
};

TEST_F(Arrancando, LaSecuenciaCompleta) {
    Escribir(j.Carpeta, "CASA\r\nOS\r\n");
    j.Lista.DiccionarioModificado = true;
    j.Form1.Label1[0].Fondo = kNegro;
    ASSERT_TRUE(Arrancar(j, false));
    // The list is read while the about window is open; the progress window
    // opens only if it is not ready when the main window has been painted.
    const std::vector<std::string> sinProgreso{"about", "main"};
    if (v.Ventanas != sinProgreso) {
        EXPECT_EQ(v.Ventanas, (std::vector<std::string>{"about", "main", "progress 1"}));
        EXPECT_TRUE(v.PrincipalAntesDeCargar);
        EXPECT_GE(v.EventosAntesDeCargar, 1);
    }
    EXPECT_FALSE(v.ValoresAlVerAcercaDe);  // nothing of the game before the about window closes
    EXPECT_TRUE(v.Mensajes.empty());
    // Whatever the window held, the design rules; the list loaded is unchanged.
    EXPECT_EQ(j.Form1.Label1[0].Fondo, kPalabraX3);
    EXPECT_FALSE(j.Lista.DiccionarioModificado);
    // The index built aside is the one searched, and it follows the list from now on.
    EXPECT_EQ(j.Indice.LetrasQueCompletan("CAS", ""), 1u << CodigoLetra('A'));
    std::string caso = "CASO";
    j.Lista.IncluirPalabra(caso);
    EXPECT_EQ(j.Indice.LetrasQueCompletan("CAS", ""),
              1u << CodigoLetra('A') | 1u << CodigoLetra('O'));
}

TEST_F(Arrancando, LaListaDelUsuarioVaPrimeroYSeGuardaEnSuCarpeta) {
    Escribir(j.CarpetaDatos, "CASA\r\nSOL\r\n");
    ASSERT_TRUE(CargarListaPalabras(j));
    EXPECT_EQ(j.Lista.NumPalabras(), 2);
    std::string nueva = "MAR";
    j.Lista.IncluirPalabra(nueva);
    GuardarListaPalabras(j);
    EXPECT_EQ(v.Ventanas, (std::vector<std::string>{"progress 1", "progress 2"}));
    EXPECT_TRUE(v.Mensajes.empty());
    EXPECT_FALSE(j.Lista.DiccionarioModificado);
    // The shipped list is left alone, and the user's one is read from now on.
    EXPECT_EQ(LeerArchivo(j.Carpeta + "/Tablerix.pal"), "CASA\r\nMAR\r\nSOL\r\n");
    EXPECT_EQ(LeerArchivo(j.CarpetaDatos + "/Tablerix.pal"), "CASA\r\nSOL\r\n");
    Escribir(j.Carpeta, "MAR\r\n");
    ASSERT_TRUE(CargarListaPalabras(j));
    EXPECT_EQ(j.Lista.NumPalabras(), 1);

    // A failed save says so and leaves the list marked as changed.
    j.Lista.IncluirPalabra(nueva = "LUZ");
    j.Carpeta = (raiz / "no-existe").string();
    GuardarListaPalabras(j);
    ASSERT_EQ(v.Mensajes.size(), 1u);
    EXPECT_EQ(v.Mensajes[0].Texto, "No se ha podido guardar la lista de palabras.");
    EXPECT_EQ(v.Mensajes[0].Tipo, Icono::Exclamacion);
    EXPECT_TRUE(j.Lista.DiccionarioModificado);
}

TEST_F(Arrancando, SinArrancarCuandoOtroTablerixTieneLaCarpetaOLaListaEsEnorme) {
    Escribir(j.Carpeta, "CASA\r\n");
    pid_t otro;
    {  // another program holds the folder, alone once this copy of the lock closes
        BloqueoCarpeta b;
        ASSERT_TRUE(b.Tomar(j.Carpeta));
        if ((otro = ::fork()) == 0)
            for (;;) ::pause();
    }
    EXPECT_FALSE(Arrancar(j, false));
    EXPECT_TRUE(v.Ventanas.empty());  // refused before anything shows
    ::kill(otro, SIGKILL);
    ::waitpid(otro, nullptr, 0);
    EXPECT_TRUE(Arrancar(j, false));  // the killed program's lock went with it

    fs::resize_file(fs::path(j.Carpeta) / "Tablerix.pal", ListaPalabras::kTamanoMaximo + 1);
    EXPECT_FALSE(CargarListaPalabras(j));
    ASSERT_EQ(v.Mensajes.size(), 2u);
    EXPECT_EQ(v.Mensajes[0].Texto, Txt("Tablerix ya está abierto en esta carpeta:\n") + j.Carpeta);
    EXPECT_TRUE(v.Mensajes[1].Texto.starts_with("La lista de palabras es demasiado grande"));
    EXPECT_EQ(j.Lista.NumPalabras(), 1);
}

}  // namespace
}  // namespace tablerix
