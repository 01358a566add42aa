#include <gtest/gtest.h>

#include <algorithm>

#include "TurnoDePrueba.h"
#include "computer/Eventos.h"
#include "computer/Turno.h"
#include "computer/TurnoOrdenador.h"

namespace tablerix {
namespace {

using prueba::Atril;
using prueba::BolsaCon;
using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

// With an empty word list the computer never finds a word: after the player's
// pass or exchange it exchanges while the bag holds tiles and passes once it is empty.
class PasarCambiar : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;
    std::size_t desde = 0;

    void SetUp() override {
        // A word on the board, so the computer uses the mid-game search.
        t.Fijar(111, "SOL");
        j.PrimeraJugada = false;
        DarAtril(j, 1, "ABCDEFG");
        DarAtril(j, 2, "HIJKMNO");  // H, J and K are worth more than 3
        desde = j.Form1.lstPartida.size();
    }
    void Seleccionar(std::initializer_list<int> ranuras) {
        for (int r : ranuras) Atril_Pulsar(j, r);
    }
    int Contar(const std::string& texto) const {
        const auto& m = t.Ventana.Mensajes;
        return static_cast<int>(std::count_if(m.begin(), m.end(), [&](const auto& x) { return x.Texto == texto; }));
    }
};

TEST_F(PasarCambiar, CancelarLaPreguntaDePasarNoCambiaNada) {
    t.Poner(112, 'A');
    j.Form1.Label5[0].Visible = false;
    t.Ventana.Respuestas = {Respuesta::Cancelar};
    cmdPasar_Click(j);
    ASSERT_EQ(t.Ventana.Mensajes.size(), 1u);
    EXPECT_EQ(t.Ventana.Mensajes[0].Texto, Txt("Aún quedan fichas. Quieres pasar?"));
    EXPECT_EQ(t.Ventana.Mensajes[0].Tipo, Icono::Informacion);
    EXPECT_TRUE(t.Ventana.Mensajes[0].ConCancelar);
    EXPECT_EQ(j.Form1.Label1[112].Letra, 'A');
    EXPECT_TRUE(j.Form1.Label1[112].Movible);
    EXPECT_TRUE(LineasDesde(j, desde).empty());
    EXPECT_EQ(j.PasesSeguidos, 0);
}

TEST_F(PasarCambiar, ElPaseDevuelveLasFichasYJuegaElOrdenador) {
    t.Poner(112, 'A');
    j.Form1.Label5[0].Visible = false;
    t.Ventana.Respuestas = {Respuesta::Aceptar};
    const int bolsa = j.FichasEnBolsa;
    cmdPasar_Click(j);
    EXPECT_EQ(j.Form1.Label1[112].Letra, kCasillaVacia);
    EXPECT_EQ(LineasDesde(j, desde), Lineas({"-----Jugador-----", " (Pasa)", "",
                                             "-----Ordenador-----", " (Cambia fichas)", ""}));
    // The computer's exchange sets the count of passes back to 0; the three
    // tiles it gives up leave the game.
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_EQ(j.FichasEnBolsa, bolsa - 3);
    EXPECT_EQ(Atril(j, 1), "ABCDEFG");
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_TRUE(t.Ventana.Habilitada);
    EXPECT_EQ(j.Turno, 1);
}

TEST_F(PasarCambiar, PaseDelJugadorYDelOrdenadorTerminanLaPartida) {
    BolsaCon(j, "");
    j.Form1.Label4 = {"40", "30"};
    cmdPasar_Click(j);  // no question with the bag empty
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", " (Pasa)", "", "-----Ordenador-----", " (Pasa)", "",
                      "*** FIN DE LA PARTIDA ***", "Ambos jugadores tienen fichas.",
                      "Se resta al Jugador: 16", "Se resta al Ordenador: 26", "",
                      "Gana el Jugador."}));
    EXPECT_EQ(t.Textos(), Lineas({"Yo paso.", "Has ganado tú."}));
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
    EXPECT_TRUE(t.Ventana.Habilitada);
}

TEST_F(PasarCambiar, SegundoPaseDelJugadorTerminaSinOtroTurnoDelOrdenador) {
    BolsaCon(j, "");
    j.PasesSeguidos = 1;  // the computer passed last
    cmdPasar_Click(j);
    EXPECT_EQ(LineasDesde(j, desde)[0], "-----Jugador-----");
    EXPECT_EQ(LineasDesde(j, desde)[3], "*** FIN DE LA PARTIDA ***");
    EXPECT_EQ(Contar("Yo paso."), 0);
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
}

TEST_F(PasarCambiar, CambiarConLaBolsaVaciaSeRechaza) {
    BolsaCon(j, "");
    cmdCambiar_Click(j);
    EXPECT_EQ(t.Textos(), std::vector<std::string>{"No quedan fichas."});
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_TRUE(j.Form1.Label5[0].Arrastrable);
}

TEST_F(PasarCambiar, ElModoCambioRetiraLasFichasPuestasYSeleccionaConClics) {
    t.Poner(112, 'A');
    j.Form1.Label5[0].Visible = false;
    cmdCambiar_Click(j);
    EXPECT_EQ(j.Form1.Label1[112].Letra, kCasillaVacia);
    EXPECT_EQ(j.Form1.Label9,
              Txt("Selecciona las fichas y pulsa 'OK'. Utiliza el botón DESHACER para cancelar."));
    EXPECT_EQ(j.Form1.ModoLabel9, '2');
    for (const FichaJugador& r : j.Form1.Label5) {
        EXPECT_TRUE(r.Visible);
        EXPECT_FALSE(r.Arrastrable);
    }
    Seleccionar({1, 4, 1});
    EXPECT_EQ(j.Form1.Label5[1].Fondo, kColorFicha);
    EXPECT_EQ(j.Form1.Label5[4].Fondo, kMagenta);

    // Pressing it again starts the selection afresh; the take-back button ends the mode.
    cmdCambiar_Click(j);
    EXPECT_EQ(j.Form1.Label5[4].Fondo, kColorFicha);
    Seleccionar({2});
    cmdEscape_Click(j);
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_EQ(j.Form1.Label5[2].Fondo, kColorFicha);
    EXPECT_TRUE(j.Form1.Label5[2].Arrastrable);
    EXPECT_TRUE(LineasDesde(j, desde).empty());
}

TEST_F(PasarCambiar, MasFichasSeleccionadasQueEnLaBolsa) {
    BolsaCon(j, "XYZ");
    cmdCambiar_Click(j);
    Seleccionar({0, 2, 3, 6});
    cmdOk_Click(j);
    EXPECT_EQ(t.Textos(), std::vector<std::string>{"Solo queda/n 3 ficha/s."});
    // Mode and selection stay; nothing else changed.
    EXPECT_EQ(j.Form1.ModoLabel9, '2');
    EXPECT_EQ(j.Form1.Label5[6].Fondo, kMagenta);
    EXPECT_EQ(j.FichasEnBolsa, 3);
    EXPECT_EQ(Atril(j, 1), "ABCDEFG");
    EXPECT_TRUE(LineasDesde(j, desde).empty());

    Seleccionar({3});
    cmdOk_Click(j);
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador------", " (Cambia fichas)", "", "-----Ordenador-----",
                      " (Cambia fichas)", ""}));
    // Unselected tiles keep their slots; the three new ones stand where A, C and G were.
    const std::string atril = Atril(j, 1);
    EXPECT_EQ((std::string{atril[1], atril[3], atril[4], atril[5]}), "BDEF");
    std::string nuevas{atril[0], atril[2], atril[6]};
    std::sort(nuevas.begin(), nuevas.end());
    std::string posibles = "ACGXYZ";
    EXPECT_TRUE(std::includes(posibles.begin(), posibles.end(), nuevas.begin(), nuevas.end())) << nuevas;
    for (int k = 0; k < kRanuras; ++k) {
        EXPECT_EQ(j.Form1.Label5[k].Letra, atril[k]);
        EXPECT_EQ(j.Form1.Label5[k].Fondo, kColorFicha);
        EXPECT_TRUE(j.Form1.Label5[k].Arrastrable);
    }
    // The player's exchange does not count as a pass.
    EXPECT_EQ(j.PasesSeguidos, 0);
    // The computer gave up three tiles and drew the last three.
    EXPECT_EQ(j.FichasEnBolsa, 0);
    EXPECT_EQ(j.Form1.Label7, "0");
    EXPECT_EQ(Contar("Se han acabado la fichas."), 1);
}

TEST_F(PasarCambiar, LasFichasDevueltasOcupanLasRanurasLibresMasBajas) {
    for (char& f : j.Bolsa) f = 'K';
    j.Bolsa[0] = kSinFicha;
    j.Bolsa[4] = kSinFicha;
    j.Bolsa[9] = kSinFicha;
    j.FichasEnBolsa = 98;
    EmpezarCambio(j);
    Seleccionar({5, 1});
    ASSERT_TRUE(CompletarCambio(j));
    EXPECT_EQ(j.Bolsa[4], 'B');
    EXPECT_EQ(j.Bolsa[9], 'F');
    EXPECT_EQ(j.FichasEnBolsa, 100);
    EXPECT_EQ(Atril(j, 1), "A.CDE.G");
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
}

TEST_F(PasarCambiar, CambiarSinSeleccionarNadaPasaElTurno) {
    j.PasesSeguidos = 1;
    const int bolsa = j.FichasEnBolsa;
    cmdCambiar_Click(j);
    cmdOk_Click(j);
    EXPECT_EQ(LineasDesde(j, desde)[0], "-----Jugador------");
    EXPECT_EQ(Atril(j, 1), "ABCDEFG");
    // Only the computer's exchange (three tiles gone) changed the bag.
    EXPECT_EQ(j.FichasEnBolsa, bolsa - 3);
    EXPECT_EQ(j.PasesSeguidos, 0);
}

TEST_F(PasarCambiar, PasarEnModoCambioTerminaElModo) {
    cmdCambiar_Click(j);
    Seleccionar({0});
    t.Ventana.Respuestas = {Respuesta::Aceptar};
    cmdPasar_Click(j);
    EXPECT_EQ(LineasDesde(j, desde)[1], " (Pasa)");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_EQ(j.Form1.Label5[0].Fondo, kColorFicha);
    EXPECT_TRUE(j.Form1.Label5[0].Arrastrable);
    EXPECT_EQ(Atril(j, 1), "ABCDEFG");
}

// The computer's own exchange: the tiles worth most go, and they leave the game.
class CambioOrdenador : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;

    void Cambiar(std::string_view atril, std::string_view bolsa) {
        DarAtril(j, 2, atril);
        BolsaCon(j, bolsa);
        j.PasesSeguidos = 1;
        desde_ = j.Form1.lstPartida.size();
        CambiarOPasar(j);
    }
    std::size_t desde_ = 0;
};

TEST_F(CambioOrdenador, DaLasDeMasValorPrimero) {
    Cambiar("QJEASZO", "BCD");
    // J and Z go with the threshold 5, Q with 4; E, A, S, O close up and the
    // draw fills the rest from the bag, which loses nothing else.
    const std::string atril = Atril(j, 2);
    EXPECT_EQ(atril.substr(0, 4), "EASO");
    std::string nuevas = atril.substr(4);
    std::sort(nuevas.begin(), nuevas.end());
    EXPECT_EQ(nuevas, "BCD");
    EXPECT_EQ(j.FichasEnBolsa, 0);
    for (char c : {'Q', 'J', 'Z'}) EXPECT_EQ(std::count(j.Bolsa.begin(), j.Bolsa.end(), c), 0);
    for (int k = 0; k < kRanuras; ++k) {
        EXPECT_TRUE(j.Form1.Label11[k].Visible);
        EXPECT_EQ(j.Form1.Label11[k].Letra, atril[k]);
    }
    EXPECT_EQ(LineasDesde(j, desde_), Lineas({"-----Ordenador-----", " (Cambia fichas)", ""}));
    EXPECT_EQ(t.Textos(), Lineas({"No puedo crear ninguna palabra. Cambio fichas.",
                                  "Se han acabado la fichas."}));
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_TRUE(j.OrdenadorNoJuega);
    EXPECT_FALSE(j.JugadaValida);
}

TEST_F(CambioOrdenador, SinFichasCarasDaCuatroEmpezandoPorLasDeDos) {
    Cambiar("AEDIGOU", "KKKKKKKKKK");
    EXPECT_EQ(Atril(j, 2), "IOUKKKK");
    EXPECT_EQ(j.FichasEnBolsa, 6);
}

TEST_F(CambioOrdenador, NuncaDaMasFichasDeLasQueQuedanEnLaBolsa) {
    Cambiar("QXKZHAE", "BC");
    // Five tiles worth more than 3, two in the bag: X and K go (8, first in slot order).
    EXPECT_EQ(Atril(j, 2).substr(0, 5), "QZHAE");
}

TEST_F(CambioOrdenador, ElBlancoSoloSaleCuandoNoQuedanLetras) {
    Cambiar("*AEIOU", "KKKKKKKK");
    EXPECT_EQ(Atril(j, 2), "*UKKKKK");
    // A rack short of tiles (a damaged saved game) gives up all it has instead
    // of lowering the threshold forever.
    Cambiar("*A", "KKKKK");
    EXPECT_EQ(Atril(j, 2), "KKKKK..");
}

}  // namespace
}  // namespace tablerix
