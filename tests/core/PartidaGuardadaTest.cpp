// Saving, loading and deleting the one saved game, through the game and a scripted window.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "JuegoDePrueba.h"
#include "PartidaConocida.h"
#include "game/Colocacion.h"
#include "game/Mensajes.h"
#include "savegame/EstadoPartida.h"
#include "savegame/LecturaPartida.h"
#include "savegame/PartidaGuardada.h"
#include "wordlist/Archivos.h"

namespace tablerix {
namespace {

namespace fs = std::filesystem;

const std::string kPreguntaCargar = "[question] Quieres cargar la partida guardada? -> ok";
const std::string kNoHay = "[exclamation] No hay ninguna partida guardada.";

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        static std::atomic<int> contador{0};
        ruta_ = fs::temp_directory_path() / ("tablerix-guardado-" + std::to_string(::getpid()) +
                                             "-" + std::to_string(contador++));
        fs::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code error;
        fs::remove_all(ruta_, error);
    }
    std::string Ruta() const { return ruta_.string(); }

private:
    fs::path ruta_;
};

// Everything a load may change, to tell whether a refused load left the game alone.
struct Instantanea {
    DatosPartida Datos;
    ModeloVentana Form1;
    bool PartidaEnCurso, PrimeraJugada, JugadorPasa;
    std::int16_t Turno;
    int Arrastre;
    bool operator==(const Instantanea&) const = default;
};

Instantanea Tomar(const Juego& j) {
    return {CopiarPartida(j), j.Form1, j.PartidaEnCurso, j.PrimeraJugada,
            j.JugadorPasa, j.Turno, j.FichaArrastrada.Indice};
}

class PartidaGuardadaTest : public ::testing::Test {
protected:
    PartidaGuardadaTest() { J.Carpeta = carpeta_.Ruta(); }

    // A game under way: the player laid CASA through the centre, the computer passed.
    void Jugar() {
        p_.Fijar(111, "CASA");
        J.PrimeraJugada = false;
        J.Form1.Label4 = {"12", "0"};
        J.PasesSeguidos = 1;
        for (const char* linea : {"-----Jugador-----", "CASA", "(3+1+1+1)x2=12", "-----Total: 12"})
            AgregarLinea(J, linea);
        CerrarBloque(J);
        AgregarLinea(J, "-----Ordenador-----");
        AgregarLinea(J, " (Pasa)");
        CerrarBloque(J);
    }

    std::string Ruta() const { return RutaPartidaGuardada(J); }
    void Escribir(const std::string& bytes) { ASSERT_TRUE(EscribirArchivoAtomico(Ruta(), bytes)); }
    std::string Leido() const { return LeerArchivo(Ruta()).value_or("(no file)"); }

    void Cargar(Respuesta r = Respuesta::Aceptar) {
        Ventana.Registro.clear();
        Ventana.Respuestas.push_back(r);
        CargarPartida(J);
    }

    // Another game on the board, at another level, so a load has something to change.
    void OtraPartida() {
        J.Azar.Sembrar(99);
        NuevaPartida(J);
        ElegirNivel(J, 0);
    }

    CarpetaTemporal carpeta_;
    JuegoDePrueba p_;
    Juego& J = p_.J;
    VentanaGuionizada& Ventana = p_.Ventana;
};

TEST_F(PartidaGuardadaTest, GuardarYCargarDevuelveLaPartida) {
    Jugar();
    ElegirNivel(J, 4);  // "Spectrum 64", stride 7
    GuardarPartida(J);
    EXPECT_TRUE(Ventana.Registro.empty());
    const Instantanea guardada = Tomar(J);

    // Load over a game that has ended in the middle of the computer's turn.
    OtraPartida();
    J.PartidaEnCurso = false;
    J.Turno = 2;
    J.JugadorPasa = true;
    HabilitarVentana(J, false);
    J.Form1.ProgresoVisible = true;
    J.Form1.AnchoProgreso = 200;
    PonerEstado(J, "Pensando...", '1');
    Cargar();
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kPreguntaCargar});
    ASSERT_EQ(Ventana.Mensajes.size(), 1u);
    EXPECT_EQ(Ventana.Mensajes[0].Tipo, Icono::Pregunta);

    Instantanea esperada = guardada;
    // Leading blanks of log lines are skipped by the reader; the last-but-one line is selected.
    esperada.Datos.Listado[esperada.Datos.Listado.size() - 2] = "(Pasa)";
    esperada.Form1.lstPartida = esperada.Datos.Listado;
    esperada.Form1.SeleccionPartida = static_cast<int>(esperada.Datos.Listado.size()) - 2;
    // The turn state is reset too: the snapshot was taken in the player's turn.
    EXPECT_EQ(Tomar(J), esperada);
    EXPECT_EQ(J.Form1.Label6, "Spectrum 64");
    EXPECT_EQ(J.PasoBusqueda, 7);
    EXPECT_EQ(J.Form1.MnuNiv, (std::array<bool, 8>{false, false, false, false, true}));
}

TEST_F(PartidaGuardadaTest, EscribeElArchivoExacto) {
    const DatosPartida d = prueba::PartidaConocida();
    p_.Fijar(111, "CAÑA");
    for (int k = 1; k <= kRanuras; ++k)
        for (int q = 1; q <= 2; ++q) J.Atriles[q][k] = d.Atriles[q][k];
    J.Bolsa = d.Bolsa;
    J.FichasEnBolsa = d.FichasEnBolsa;
    J.Form1.Label4 = d.Puntos;
    J.PasesSeguidos = 1;
    ElegirNivel(J, 4);
    J.Form1.lstPartida = d.Listado;
    J.PrimeraJugada = false;
    // An older saved game is replaced without a question.
    Escribir("viejo");
    GuardarPartida(J);
    EXPECT_TRUE(Ventana.Registro.empty());
    EXPECT_EQ(Leido(), prueba::BytesPartidaConocida());
}

TEST_F(PartidaGuardadaTest, NoGuardaAntesDeEmpezarNiDespuesDeAcabar) {
    GuardarPartida(J);  // a new game: no word laid yet
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{Txt("[exclamation] Aún no has empezado.")});
    EXPECT_FALSE(ExisteArchivo(Ruta()));

    Jugar();
    J.PartidaEnCurso = false;
    Ventana.Registro.clear();
    GuardarPartida(J);
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{"[exclamation] No puedes guardar una partida acabada."});
    EXPECT_FALSE(ExisteArchivo(Ruta()));
}

TEST_F(PartidaGuardadaTest, RetiraLasFichasDeEsteTurnoAntesDeGuardar) {
    Jugar();
    const std::array<char, kCasillas> fijas = J.Tablero;
    const char primera = J.Atriles[1][1];
    EmpezarArrastreAtril(J, 0);
    SoltarEnCasilla(J, 126);  // below the S of CASA
    ASSERT_EQ(J.Form1.Label1[126].Letra, primera);
    ASSERT_FALSE(J.Form1.Label5[6].Visible);

    GuardarPartida(J);
    EXPECT_EQ(J.Form1.Label1[126].Letra, kCasillaVacia);
    EXPECT_EQ(J.Form1.Label1[126].Marca, '0');
    for (int k = 0; k < kRanuras; ++k) {
        EXPECT_TRUE(J.Form1.Label5[k].Visible);
        EXPECT_EQ(J.Form1.Label5[k].Letra, J.Atriles[1][k + 1]);
    }
    std::optional<DatosPartida> d = InterpretarPartida(Leido());
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Tablero, fijas);
}

TEST_F(PartidaGuardadaTest, UnHuecoDelAtrilEsUnaLineaVaciaYSeCargaOculto) {
    Jugar();
    J.Atriles[1][7] = kSinFicha;
    J.Form1.Label5[6].Visible = false;
    GuardarPartida(J);
    const std::string bytes = Leido();
    const size_t inicio = bytes.find("[Fichas]\r\n") + 10;
    std::istringstream seccion(bytes.substr(inicio, bytes.find("\r\n\r\n[Restantes]") - inicio));
    std::vector<std::string> lineas;
    for (std::string linea; std::getline(seccion, linea);) lineas.push_back(linea);
    // Player and computer alternate slot by slot; the player's slot 7 is the 13th line.
    ASSERT_EQ(lineas.size(), 14u);
    EXPECT_EQ(lineas[10], std::string(1, J.Atriles[1][6]) + "\r");
    EXPECT_EQ(lineas[12], "\r");
    EXPECT_EQ(lineas[13], std::string(1, J.Atriles[2][7]));

    OtraPartida();
    ASSERT_TRUE(J.Form1.Label5[6].Visible);
    Cargar();
    EXPECT_EQ(J.Atriles[1][7], kSinFicha);
    EXPECT_FALSE(J.Form1.Label5[6].Visible);
    EXPECT_TRUE(J.Form1.Label5[5].Visible);
}

TEST_F(PartidaGuardadaTest, ElAtrilDelOrdenadorMuestraLasFichasCargadas) {
    Jugar();
    J.Atriles[2][7] = kSinFicha;
    GuardarPartida(J);
    // Late in the other game the computer's rack had shrunk to five tiles.
    OtraPartida();
    J.Form1.Label11[5].Visible = false;
    J.Form1.Label11[6].Visible = false;
    Cargar();
    // The settlement reads only visible slots, so a loaded tile must not stay hidden.
    EXPECT_TRUE(J.Form1.Label11[5].Visible);
    EXPECT_EQ(J.Form1.Label11[5].Letra, J.Atriles[2][6]);
    EXPECT_FALSE(J.Form1.Label11[6].Visible);
}

TEST_F(PartidaGuardadaTest, CargarDosVecesDaLaMismaPartida) {
    Jugar();
    GuardarPartida(J);
    OtraPartida();
    Cargar();
    const Instantanea primera = Tomar(J);
    // Play on a little: the second load must undo it all.
    EmpezarArrastreAtril(J, 2);
    SoltarEnCasilla(J, 0);
    J.Form1.Label4[0] = "99";
    Cargar();
    EXPECT_EQ(Tomar(J), primera);
    EXPECT_TRUE(ExisteArchivo(Ruta()));  // loading keeps the saved game
}

TEST_F(PartidaGuardadaTest, UnListadoCortoNoSeleccionaNada) {
    std::string bytes = prueba::BytesPartidaConocida();
    const size_t fin = bytes.find("[Listado]\r\n") + 11;
    for (const std::string& listado :
         {std::string(), std::string("*** INICIO DE PARTIDA ***\r\n")}) {
        Escribir(bytes.substr(0, fin) + listado);
        J.Form1.SeleccionPartida = 0;
        Cargar();
        EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kPreguntaCargar});
        EXPECT_EQ(J.Form1.lstPartida.size(), listado.empty() ? 0u : 1u);
        EXPECT_EQ(J.Form1.SeleccionPartida, -1);
        EXPECT_EQ(J.Tablero[112], 'A');
    }
}

TEST_F(PartidaGuardadaTest, SinArchivoAvisaAntesDePreguntar) {
    CargarPartida(J);
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kNoHay});
    // A folder in the file's place is no saved game either.
    fs::create_directory(Ruta());
    Ventana.Registro.clear();
    CargarPartida(J);
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kNoHay});
}

TEST_F(PartidaGuardadaTest, CancelarLaCargaNoCambiaNada) {
    Jugar();
    GuardarPartida(J);
    OtraPartida();
    const Instantanea antes = Tomar(J);
    Cargar(Respuesta::Cancelar);
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{"[question] Quieres cargar la partida guardada? -> cancel"});
    EXPECT_EQ(Tomar(J), antes);
}

TEST_F(PartidaGuardadaTest, UnArchivoDanadoNoTocaLaPartida) {
    const std::string bueno = prueba::BytesPartidaConocida();
    auto cambiado = [&](const std::string& antes, const std::string& despues) {
        std::string b = bueno;
        b.replace(b.find(antes), antes.size(), despues);
        return b;
    };
    std::vector<std::pair<std::string, std::string>> danados = {
        {"a letter in a number", cambiado(" 3 \r\n", " 3a \r\n")},
        {"a board row of 14 characters",
         cambiado(Txt("......CAÑA.....\r\n"), Txt("......CAÑA....\r\n"))},
        {"a stride of 4", cambiado(" 7 \r\n", " 4 \r\n")},
        {"a count that disagrees with the bag", cambiado(" 3 \r\n", " 5 \r\n")},
        {"binary garbage", std::string("\x7F"
                                       "ELF\x02\x01\x01\x00\x00\r\n\x00\xFE\xFF",
                                       15)},
    };
    // Truncated at every line before the log, where a cut would still leave a game.
    const size_t finCabeceraListado = bueno.find("[Listado]\r\n") + 11;
    for (size_t fin = 0; fin < finCabeceraListado; fin = bueno.find('\n', fin) + 1)
        danados.emplace_back("cut after byte " + std::to_string(fin), bueno.substr(0, fin));

    Jugar();
    const Instantanea antes = Tomar(J);
    for (const auto& [caso, bytes] : danados) {
        Escribir(bytes);
        Cargar();
        EXPECT_EQ(Ventana.Registro, (std::vector<std::string>{kPreguntaCargar, kNoHay})) << caso;
        EXPECT_EQ(Tomar(J), antes) << caso;
    }
    EXPECT_GT(danados.size(), 150u);
}

TEST_F(PartidaGuardadaTest, UnArchivoEnormeSeRechazaSinLeerlo) {
    // A good saved game whose log runs on for 50 MB: fine to the reader, too big to be one.
    Escribir(prueba::BytesPartidaConocida());
    fs::resize_file(Ruta(), 50u * 1024 * 1024);
    Jugar();
    const Instantanea antes = Tomar(J);
    Cargar();
    EXPECT_EQ(Ventana.Registro, (std::vector<std::string>{kPreguntaCargar, kNoHay}));
    EXPECT_EQ(Tomar(J), antes);
}

TEST_F(PartidaGuardadaTest, UnFalloAlGuardarAvisaYConservaLaAnterior) {
    Jugar();
    Escribir(prueba::BytesPartidaConocida());
    // The temporary file beside it cannot be created: its name is taken by a folder.
    fs::create_directory(Ruta() + ".tmp");
    GuardarPartida(J);
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{"[exclamation] No se ha podido guardar la partida."});
    EXPECT_EQ(Leido(), prueba::BytesPartidaConocida());

    // Nor can a folder that does not exist take one.
    J.Carpeta += "/no-existe";
    Ventana.Registro.clear();
    GuardarPartida(J);
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{"[exclamation] No se ha podido guardar la partida."});
}

TEST_F(PartidaGuardadaTest, BorrarPregunta) {
    // Without a file: the question, then nothing.
    Ventana.Respuestas.push_back(Respuesta::Aceptar);
    BorrarPartidaGuardada(J);
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{
                                    Txt("[question] ¿Quieres borrar la partida guardada? -> ok")});

    Escribir(prueba::BytesPartidaConocida());
    Ventana.Respuestas.push_back(Respuesta::Cancelar);
    BorrarPartidaGuardada(J);
    EXPECT_TRUE(ExisteArchivo(Ruta()));
    Ventana.Respuestas.push_back(Respuesta::Aceptar);
    BorrarPartidaGuardada(J);
    EXPECT_FALSE(ExisteArchivo(Ruta()));
    EXPECT_EQ(Ventana.Registro.size(), 3u);  // questions only
}

}  // namespace
}  // namespace tablerix
