// Tablerix.his as we write it and read it back, and random damage to it: a
// damaged history never crashes, hangs or changes the loaded game, nor does
// the report worked out from it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "CarpetaTemporal.h"
#include "DanoAlAzar.h"
#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "computer/AnalisisPartida.h"
#include "game/Historia.h"
#include "savegame/ArchivoHistoria.h"
#include "savegame/EscrituraPartida.h"
#include "savegame/EstadoPartida.h"
#include "savegame/HistoriaGuardada.h"
#include "wordlist/Archivos.h"

namespace tablerix {
namespace {

namespace fs = std::filesystem;

class ArchivoHistoriaTest : public ::testing::Test {
  protected:
    ArchivoHistoriaTest() {
        J.Carpeta = carpeta_.Ruta().string();
        // The player's moves are the recommended ones, a pass when there is none.
        t_.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
        for (int turno = 0; turno < 4; ++turno) {
            MnuRecom_Click(J);
            if (J.Form1.List3.empty())
                cmdPasar_Click(J);
            else
                cmdOk_Click(J);
        }
        Partida = FormatearPartida(CopiarPartida(J));
        Bytes = FormatearHistoria(HistoriaDe(J), SumaDeControl(Partida));
    }
    prueba::CarpetaTemporal carpeta_{"historia"};
    JuegoDePrueba t_{
        {"AS", "ASA", "CASA", "CASAS", "CO",   "COSA", "DE", "EN", "ES", "LA", "LAS", "LO",  "LOS",
         "ME", "NO",  "OCA",  "OS",    "RANA", "SE",   "SI", "SU", "TE", "TU", "UN",  "UNA", "YA"},
        7};
    Juego& J = t_.J;
    std::string Partida, Bytes;
};

TEST_F(ArchivoHistoriaTest, GuardaLosTurnosYLasPosicionesComoEstan) {
    ASSERT_GE(HistoriaDe(J).Paradas.size(), 4u);
    const std::optional<HistoriaLeida> leida = InterpretarHistoria(Bytes);
    ASSERT_TRUE(leida);
    EXPECT_EQ(leida->SumaPartida, SumaDeControl(Partida));
    EXPECT_EQ(leida->Contenido.Turnos, HistoriaDe(J).Turnos);
    EXPECT_EQ(leida->Contenido.Paradas, HistoriaDe(J).Paradas);
    EXPECT_EQ(FormatearHistoria(leida->Contenido, leida->SumaPartida), Bytes);

    // Taken back, the later turns are not written.
    MnuDeshacerJugada_Click(J);
    const auto sinRehacer = InterpretarHistoria(FormatearHistoria(HistoriaDe(J), 1));
    ASSERT_TRUE(sinRehacer);
    EXPECT_EQ(sinRehacer->Contenido.Paradas.size(), HistoriaDe(J).Paradas.size() - 1);
}

// Whatever is loaded, the game is the saved one; every take-back and redo the
// history then allows runs and comes back to it. Damage to a status text
// keeps a file readable.
TEST_F(ArchivoHistoriaTest, ArchivosDanadosAlAzar) {
    const char utiles[] = "\r\n -.*0123456789AZ[]\xD1W\x00\xFF";  // bytes the reader looks at
    const DatosPartida datos = CopiarPartida(J);
    RestaurarPartida(J, datos);
    const Posicion cargada = CapturarPosicion(J);
    auto comprobar = [&](const HistoriaLeida& leida, const std::string& s, int aceptados) {
        ASSERT_EQ(InterpretarHistoria(FormatearHistoria(leida.Contenido, leida.SumaPartida)),
                  leida);
        if (aceptados % 10 != 1) return;  // the game's part is slower: a sample
        ASSERT_TRUE(EscribirArchivoAtomico(RutaHistoriaGuardada(J), s));
        RestaurarPartida(J, datos);
        CargarHistoria(J, Partida);
        Posicion ahora = CapturarPosicion(J);
        ahora.Blancos = cargada.Blancos;
        ASSERT_EQ(ahora, cargada);
        const Posicion conBlancos = CapturarPosicion(J);
        // The report reads whatever history was accepted and changes nothing.
        for (const FilaResumen& f : AnalizarPartida(J).Filas) ASSERT_GE(f.Perdidos, 0);
        ASSERT_EQ(CapturarPosicion(J), conBlancos);
        while (PuedeDeshacerJugada(J)) MnuDeshacerJugada_Click(J);
        while (PuedeRehacerJugada(J)) MnuRehacerJugada_Click(J);
        ASSERT_EQ(CapturarPosicion(J), conBlancos);
    };
    prueba::ProbarDanos(20261207, {utiles, sizeof utiles - 1}, Bytes, InterpretarHistoria,
                        comprobar);
}

}  // namespace
}  // namespace tablerix
