// Saving, loading and deleting the one saved game, through the game and a scripted window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "CarpetaTemporal.h"
#include "JuegoDePrueba.h"
#include "PartidaConocida.h"
#include "game/Colocacion.h"
#include "game/Mensajes.h"
#include "savegame/EstadoPartida.h"
#include "savegame/PartidaGuardada.h"
#include "wordlist/Archivos.h"

namespace tablerix {
namespace {

namespace fs = std::filesystem;

const std::string kPreguntaCargar = "[question] Quieres cargar la partida guardada? -> ok";
// A file that is there but cannot be read or is damaged: not "no saved game".
const std::string kDanada =
    "[exclamation] " + Txt("La partida guardada está dañada o no se puede leer.");

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
    return {CopiarPartida(j),
            j.Form1,
            j.Posicion.PartidaEnCurso,
            j.Posicion.PrimeraJugada,
            j.Jugada.JugadorPasa,
            j.Jugada.Turno,
            j.Jugada.FichaArrastrada.Indice};
}

class PartidaGuardadaTest : public ::testing::Test {
  protected:
    PartidaGuardadaTest() { J.Carpeta = carpeta_.Ruta().string(); }

    // A game under way: the player laid CASA through the centre, the computer passed.
    void Jugar() {
        p_.Fijar(111, "CASA");
        J.Posicion.PrimeraJugada = false;
        J.Form1.Label4 = {"12", "70000"};  // beyond 16 bits, still a score
        J.Posicion.PasesSeguidos = 1;
        for (const char* linea : {"-----Jugador-----", "CASA", "(3+1+1+1)x2=12", "-----Total: 12",
                                  "", "-----Ordenador-----", " (Pasa)", ""})
            if (*linea)
                AgregarLinea(J, linea);
            else
                CerrarBloque(J);  // "" closes a block
    }

    std::string Ruta() const { return RutaPartidaGuardada(J); }
    void Escribir(const std::string& bytes) { ASSERT_TRUE(EscribirArchivoAtomico(Ruta(), bytes)); }

    void Cargar(Respuesta r = Respuesta::Aceptar) {
        Ventana.Registro.clear();
        Ventana.Respuestas.push_back(r);
        CargarPartida(J);
    }

    prueba::CarpetaTemporal carpeta_{"guardado"};
    JuegoDePrueba p_;
    Juego& J = p_.J;
    VentanaGuionizada& Ventana = p_.Ventana;
};

TEST_F(PartidaGuardadaTest, GuardarYCargarDevuelveLaPartida) {
    // Levels, empty rack slots and the file's lines are in the save-and-load scenario.
    Jugar();
    GuardarPartida(J);
    EXPECT_TRUE(Ventana.Registro.empty());
    Instantanea esperada = Tomar(J);
    // Leading blanks of log lines are skipped by the reader; the last-but-one line is selected.
    std::vector<std::string>& listado = esperada.Datos.Listado;
    listado[listado.size() - 2] = "(Pasa)";
    esperada.Form1.lstPartida = listado;
    esperada.Form1.SeleccionPartida = static_cast<int>(listado.size()) - 2;

    // Another game at another level; loading over a finished one is a scenario.
    J.Azar.Sembrar(99);
    NuevaPartida(J);
    ElegirNivel(J, 0);
    const Instantanea otra = Tomar(J);
    Cargar(Respuesta::Cancelar);
    EXPECT_EQ(Tomar(J), otra);
    Cargar();
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kPreguntaCargar});
    EXPECT_EQ(Tomar(J), esperada);

    // Play on a little: loading again undoes it all, and keeps the saved game.
    EmpezarArrastreAtril(J, 2);
    SoltarEnCasilla(J, 0);
    J.Form1.Label4[0] = "99";
    Cargar();
    EXPECT_EQ(Tomar(J), esperada);
    EXPECT_TRUE(ExisteArchivo(Ruta()));
}

TEST_F(PartidaGuardadaTest, UnListadoCortoNoSeleccionaNada) {
    const std::string bytes = prueba::BytesPartidaConocida();
    const size_t fin = bytes.find("[Listado]\r\n") + 11;
    for (const std::string listado : {"", "*** INICIO DE PARTIDA ***\r\n"}) {
        Escribir(bytes.substr(0, fin) + listado);
        J.Form1.SeleccionPartida = 0;
        Cargar();
        EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kPreguntaCargar});
        EXPECT_EQ(J.Form1.lstPartida.size(), listado.empty() ? 0u : 1u);
        EXPECT_EQ(J.Form1.SeleccionPartida, -1);
        EXPECT_EQ(J.Posicion.Tablero[112], 'A');
    }
}

TEST_F(PartidaGuardadaTest, UnArchivoDanadoNoTocaLaPartida) {
    using prueba::Cambiado;
    const std::string bueno = prueba::BytesPartidaConocida();
    const std::string fila = Txt("......CAÑA.....\r\n");
    std::vector<std::pair<std::string, std::string>> danados = {
        {"binary garbage", std::string("\x7F"
                                       "ELF\x02\x01\x01\x00\x00\r\n\x00\xFE\xFF",
                                       15)},
        {"50 MB: fine to the reader, too big for a saved game",
         bueno + std::string(50u << 20, 'x')},
        {"a letter in a number", Cambiado(" 3 \r\n", " 3a \r\n")},
        {"a number that is only a sign", Cambiado(" 1 \r\n", "-\r\n")},
        {"a score beyond what a score holds", Cambiado("26\r\n", "9999999999\r\n")},
        {"an empty score", Cambiado("26\r\n", "\r\n")},
        {"a board row of 14 characters", Cambiado(fila, Txt("......CAÑA....\r\n"))},
        {"a board row of 16 characters", Cambiado(fila, Txt("......CAÑA......\r\n"))},
        {"a blank on the board", Cambiado(fila, "......CA*A.....\r\n")},
        {"a W on the board", Cambiado(fila, "......CAWA.....\r\n")},
        {"a small letter on the board", Cambiado(fila, "......casa.....\r\n")},
        {"a rack item of two letters", Cambiado("E\r\nD\r\n", "EE\r\nD\r\n")},
        {"a rack item too many", Cambiado("E\r\nD\r\n", "E,F\r\nD\r\n")},
        {"a rack item that is no tile", Cambiado("E\r\nD\r\n", "?\r\nD\r\n")},
        {"a bag item that is no tile", Cambiado("B\r\n", "W\r\n")},
        {"a stride of 4", Cambiado(" 7 \r\n", " 4 \r\n")},
        {"a count above the bag", Cambiado(" 3 \r\n", " 5 \r\n")},
        {"a count below the bag", Cambiado(" 3 \r\n", " 2 \r\n")},
        {"two passes in a row", Cambiado(" 1 \r\n", " 2 \r\n")},
    };
    // Truncated at every line before the log, where a cut would still leave a game.
    for (size_t fin = 0; fin < bueno.find("[Listado]\r\n") + 11; fin = bueno.find('\n', fin) + 1)
        danados.emplace_back("cut after byte " + std::to_string(fin), bueno.substr(0, fin));
    ASSERT_GT(danados.size(), 150u);

    const Instantanea antes = Tomar(J);
    for (const auto& [caso, bytes] : danados) {
        SCOPED_TRACE(caso);
        Escribir(bytes);
        Cargar();
        EXPECT_EQ(Ventana.Registro, (std::vector<std::string>{kPreguntaCargar, kDanada}));
        EXPECT_EQ(Tomar(J), antes);
    }
}

TEST_F(PartidaGuardadaTest, UnFalloAlGuardarAvisa) {
    // How a failed write keeps the old file is in the word list's tests.
    Jugar();
    J.Carpeta += "/no-existe";
    GuardarPartida(J);
    EXPECT_EQ(Ventana.Registro,
              std::vector<std::string>{"[exclamation] No se ha podido guardar la partida."});
}

TEST_F(PartidaGuardadaTest, UnaPartidaQueNoSePuedeLeerNoPregunta) {
    Escribir(prueba::BytesPartidaConocida());
    fs::permissions(Ruta(), fs::perms::none);
    // Root reads any file: load as nobody, to whom the file's mode applies.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::seteuid(65534) == 0);
    Cargar();
    ASSERT_TRUE(!root || ::seteuid(0) == 0);
    EXPECT_EQ(Ventana.Registro, std::vector<std::string>{kDanada});
}

}  // namespace
}  // namespace tablerix
