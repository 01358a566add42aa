#include <gtest/gtest.h>

#include <tuple>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "app/Turno.h"
#include "computer/TurnoOrdenador.h"

namespace tablerix {
namespace {

using prueba::Atril;
using prueba::DarAtril;
using prueba::Lineas;

// The scenarios play the pass question, the exchange's selection and refusals
// and the games that end on passes. With an empty word list and SOL on the
// board the computer answers with an exchange while the bag holds tiles.
class PasarCambiar : public ::testing::Test {
  protected:
    JuegoDePrueba t;
    Juego& j = t.J;
    std::size_t desde = 0;

    void SetUp() override {
        t.Fijar(111, "SOL");
        j.PrimeraJugada = false;
        DarAtril(j, 1, "ABCDEFG");
        DarAtril(j, 2, "HIJKMNO");
        desde = j.Form1.lstPartida.size();
    }
    // The log since the set-up: the player's block, then the computer's exchange.
    void RegistroEs(const char* jugador, const char* jugada) {
        EXPECT_EQ(prueba::LineasDesde(j, desde),
                  Lineas({jugador, jugada, "", "-----Ordenador-----", " (Cambia fichas)", ""}));
    }
};

TEST_F(PasarCambiar, PasarEnModoCambioTerminaElModoYDevuelveLoPuesto) {
    Atril_EmpezarArrastre(j, 0);
    Casilla_Soltar(j, 96);
    cmdCambiar_Click(j);
    EXPECT_EQ(j.Form1.Label1[96].Letra, kCasillaVacia);  // the exchange takes laid tiles back
    Atril_Pulsar(j, 4);
    cmdCambiar_Click(j);  // pressed again: the selection starts afresh
    EXPECT_EQ(j.Form1.Label5[4].Fondo, kColorFicha);
    Atril_Pulsar(j, 0);
    t.Ventana.Respuestas = {Respuesta::Aceptar};
    cmdPasar_Click(j);
    RegistroEs("-----Jugador-----", " (Pasa)");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_EQ(j.Form1.Label5, prueba::EnReposo("ABCDEFG"));
    EXPECT_EQ(Atril(j, 1), "ABCDEFG");
}

TEST_F(PasarCambiar, UnCambioSinFichasSeleccionadasNoCuentaComoPase) {
    j.PasesSeguidos = 1;  // the computer passed last
    const int bolsa = j.FichasEnBolsa;
    cmdCambiar_Click(j);
    cmdOk_Click(j);
    RegistroEs("-----Jugador------", " (Cambia fichas)");
    EXPECT_TRUE(j.PartidaEnCurso);
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_EQ(j.FichasEnBolsa, bolsa - 3);  // only the computer's three left the game
}

TEST_F(PasarCambiar, LasFichasDevueltasOcupanLasRanurasLibresMasBajas) {
    for (char& f : j.Bolsa) f = 'K';
    j.Bolsa[0] = j.Bolsa[4] = j.Bolsa[9] = kSinFicha;
    j.FichasEnBolsa = 98;
    EmpezarCambio(j);
    Atril_Pulsar(j, 5);
    Atril_Pulsar(j, 1);
    ASSERT_TRUE(CompletarCambio(j));
    EXPECT_EQ((std::string{j.Bolsa[4], j.Bolsa[9]}), "BF");
    EXPECT_EQ(j.FichasEnBolsa, 100);
    EXPECT_EQ(Atril(j, 1), "A.CDE.G");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
}

// The computer's own exchange where the scenario's racks do not go: the blank
// goes last, and a short rack gives up all it has.
TEST(CambioOrdenador, ElBlancoSaleElUltimo) {
    struct Caso {
        const char *Atril, *Bolsa, *Queda;
        int EnBolsa;
    };
    const Caso casos[] = {{"*AEIOU", "KKKKKKKK", "*UKKKKK", 3},
                          // a damaged saved game: no endless lowering of the threshold
                          {"*A", "KKKKK", "KKKKK..", 0}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Atril);
        JuegoDePrueba t;
        DarAtril(t.J, 2, c.Atril);
        prueba::BolsaCon(t.J, c.Bolsa);
        t.J.PasesSeguidos = 1;
        CambiarOPasar(t.J);
        EXPECT_EQ(Atril(t.J, 2), c.Queda);
        EXPECT_EQ(std::tuple(t.J.FichasEnBolsa, t.J.PasesSeguidos, t.J.OrdenadorNoJuega,
                             t.J.JugadaValida),
                  std::tuple(c.EnBolsa, 0, true, false));
    }
}

}  // namespace
}  // namespace tablerix
