#include "game/FinPartida.h"

#include <gtest/gtest.h>

#include "TurnoDePrueba.h"
#include "computer/Eventos.h"

namespace tablerix {
namespace {

using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

class Fin : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;

    // Scores and racks as the game left them; then the settlement runs.
    void Liquidar(const char* jugador, const char* ordenador, std::string_view atrilJugador,
                  std::string_view atrilOrdenador) {
        j.Form1.Label4 = {jugador, ordenador};
        DarAtril(j, 1, Txt(atrilJugador));
        DarAtril(j, 2, Txt(atrilOrdenador));
        desde_ = j.Form1.lstPartida.size();
        FinPartida(j);
    }
    std::vector<std::string> Cierre() const { return LineasDesde(j, desde_); }

    std::size_t desde_ = 0;
};

TEST_F(Fin, ElJugadorSinFichasSumaLoDelOrdenador) {
    Liquidar("250", "240", "", "QE*");
    EXPECT_EQ(Cierre(), Lineas({"*** FIN DE LA PARTIDA ***", "Jugador sin fichas.",
                                "Se suma lo del Ordenador: 6", "", "Gana el Jugador."}));
    EXPECT_EQ(j.Form1.Label4[0], "256");
    EXPECT_EQ(j.Form1.Label4[1], "240");
    ASSERT_EQ(t.Ventana.Mensajes.size(), 1u);
    EXPECT_EQ(t.Ventana.Mensajes[0].Texto, Txt("Has ganado tú."));
    EXPECT_EQ(t.Ventana.Mensajes[0].Tipo, Icono::Informacion);
    EXPECT_FALSE(t.Ventana.Mensajes[0].ConCancelar);
    // The verdict is the last line and the selected one.
    EXPECT_EQ(j.Form1.SeleccionPartida, static_cast<int>(j.Form1.lstPartida.size()) - 1);
}

TEST_F(Fin, ElOrdenadorSinFichasSumaLoDelJugador) {
    // A hidden slot that still holds a letter does not count.
    j.Form1.Label11[3].Letra = 'Z';
    Liquidar("100", "95", "ZAÑ", "");
    EXPECT_EQ(Cierre(), Lineas({"*** FIN DE LA PARTIDA ***", "Ordenador sin fichas.",
                                "Se suma lo del Jugador: 17", "", "Gana el Ordenador."}));
    EXPECT_EQ(j.Form1.Label4[0], "100");
    EXPECT_EQ(j.Form1.Label4[1], "112");
    EXPECT_EQ(t.Textos(), std::vector<std::string>{"Te he ganado."});
}

TEST_F(Fin, ConFichasEnAmbosAtrilesCadaUnoPierdeLoSuyo) {
    // Only blanks are worth nothing, yet the side still holds tiles; a score
    // may fall below zero and the verdict compares signed numbers.
    Liquidar("2", "-5", "QJ", "**");
    EXPECT_EQ(Cierre(), Lineas({"*** FIN DE LA PARTIDA ***", "Ambos jugadores tienen fichas.",
                                "Se resta al Jugador: 13", "Se resta al Ordenador: 0", "",
                                "Gana el Ordenador."}));
    EXPECT_EQ(j.Form1.Label4[0], "-11");
    EXPECT_EQ(j.Form1.Label4[1], "-5");
}

TEST_F(Fin, EmpateTrasLaLiquidacion) {
    Liquidar("30", "29", "AE", "A");
    EXPECT_EQ(j.Form1.Label4[0], "28");
    EXPECT_EQ(j.Form1.Label4[1], "28");
    EXPECT_EQ(Cierre().back(), "Ha habido empate.");
    EXPECT_EQ(t.Textos(), std::vector<std::string>{"Hemos empatado."});
}

TEST_F(Fin, LaPartidaTerminadaNoAtiendeNingunaAccion) {
    t.Poner(112, 'A');
    Liquidar("10", "20", "BC", "D");
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
    for (const Casilla& c : j.Form1.Label1) EXPECT_FALSE(c.Movible);
    for (const FichaJugador& r : j.Form1.Label5) EXPECT_FALSE(r.Arrastrable);

    const ModeloVentana antes = j.Form1;
    const std::size_t mensajes = t.Ventana.Mensajes.size();
    const int16_t bolsa = j.FichasEnBolsa;
    cmdOk_Click(j);
    cmdPasar_Click(j);
    cmdCambiar_Click(j);
    cmdEscape_Click(j);
    MnuRecom_Click(j);
    Atril_EmpezarArrastre(j, 0);
    Casilla_EmpezarArrastre(j, 112);
    Casilla_Pulsar(j, 112, true);
    Atril_Pulsar(j, 0);

    EXPECT_EQ(t.Ventana.Mensajes.size(), mensajes);
    EXPECT_EQ(j.Form1.lstPartida, antes.lstPartida);
    EXPECT_EQ(j.Form1.Label4, antes.Label4);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
    EXPECT_EQ(j.Form1.Label1[112].Letra, 'A');
    EXPECT_EQ(j.Form1.Label5[0].Fondo, kColorFicha);
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    EXPECT_EQ(j.FichasEnBolsa, bolsa);
}

}  // namespace
}  // namespace tablerix
