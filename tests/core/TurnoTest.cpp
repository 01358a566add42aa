#include "computer/Turno.h"

#include <gtest/gtest.h>

#include "TurnoDePrueba.h"
#include "computer/Eventos.h"

namespace tablerix {
namespace {

using prueba::Atril;
using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

// A window whose pending events are the user pressing every button while the
// computer thinks.
class VentanaImpaciente : public VentanaGuionizada {
public:
    Juego* J = nullptr;
    int EventosDuranteBusqueda = 0;
    int EventosConVentanaHabilitada = 0;

    void ProcesarEventos() override {
        VentanaGuionizada::ProcesarEventos();
        if (!J || J->Form1.ModoLabel9 != '1') return;
        ++EventosDuranteBusqueda;
        if (Habilitada || J->Form1.Habilitada) ++EventosConVentanaHabilitada;
        cmdOk_Click(*J);
        cmdPasar_Click(*J);
        cmdCambiar_Click(*J);
        cmdEscape_Click(*J);
        MnuRecom_Click(*J);
        MnuNew_Click(*J);
        Atril_EmpezarArrastre(*J, 0);
    }
};

// Lays `palabra` from the player's rack by dragging, as the window does.
void Arrastrar(Juego& j, int casilla, std::string_view palabra, char direccion = 'H') {
    for (char letra : Txt(palabra)) {
        int ranura = 0;
        while (ranura < kRanuras &&
               !(j.Form1.Label5[ranura].Visible && j.Form1.Label5[ranura].Letra == letra))
            ++ranura;
        ASSERT_LT(ranura, kRanuras) << letra;
        Atril_EmpezarArrastre(j, ranura);
        Casilla_Soltar(j, casilla);
        casilla += direccion == 'H' ? 1 : kLado;
    }
}

std::string Pregunta(std::string_view palabra) {
    return Txt("¿Aceptas esta palabra?") + "\r\r" + Txt(palabra);
}

// Whole turn cycles with small word lists, searched with stride 1.
class Turno : public ::testing::Test {
protected:
    explicit Turno(std::initializer_list<std::string_view> palabras = {"CASA", "CASAS"})
        : t(palabras) {
        ElegirNivel(j, 0);
        t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
        desde = j.Form1.lstPartida.size();
    }
    // A game where CASA was laid on 110..113.
    void ConCasa() {
        t.Fijar(110, "CASA");
        j.PrimeraJugada = false;
    }
    std::vector<std::string> Preguntas() const {
        std::vector<std::string> r;
        for (const auto& m : t.Ventana.Mensajes)
            if (m.Tipo == Icono::Pregunta) r.push_back(m.Texto);
        return r;
    }
    bool Fija(int casilla, char letra) const {
        const Casilla& c = j.Form1.Label1[casilla];
        return c.Letra == letra && c.ColorLetra == kNegro && c.Fondo == kColorFicha &&
               j.Tablero[casilla] == letra && !c.Movible && c.Marca == '0';
    }

    JuegoDePrueba t;
    Juego& j = t.J;
    std::size_t desde = 0;
};

TEST_F(Turno, PrimeraPalabraYRespuestaDelOrdenador) {
    DarAtril(j, 1, "CASALEN");
    DarAtril(j, 2, "SEIOUTR");
    Arrastrar(j, 110, "CASA");
    cmdOk_Click(j);

    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", "CASA", "(3+1+1+1)x2=12", "-----Total: 12", "",
                      "-----Ordenador-----", "CASAS", "1+1+1+1+3=7", "-----Total: 7", ""}));
    EXPECT_EQ(j.Form1.SeleccionPartida, static_cast<int>(j.Form1.lstPartida.size()) - 2);
    EXPECT_EQ(Preguntas(), std::vector<std::string>{Pregunta("CASAS")});
    EXPECT_EQ(j.Form1.Label4[0], "12");
    EXPECT_EQ(j.Form1.Label4[1], "7");
    for (int q = 110; q <= 114; ++q) EXPECT_TRUE(Fija(q, "CASAS"[q - 110])) << q;
    EXPECT_FALSE(j.PrimeraJugada);

    // The player keeps L, E, N in front and draws four; the computer keeps
    // E, I, O, U, T, R in front and draws one.
    EXPECT_EQ(Atril(j, 1).substr(0, 3), "LEN");
    EXPECT_EQ(Atril(j, 2).substr(0, 6), "EIOUTR");
    for (int k = 0; k < kRanuras; ++k) {
        EXPECT_EQ(j.Form1.Label5[k].Letra, j.Atriles[1][k + 1]);
        EXPECT_TRUE(j.Form1.Label5[k].Visible);
        EXPECT_EQ(j.Form1.Label11[k].Letra, j.Atriles[2][k + 1]);
    }
    EXPECT_EQ(j.FichasEnBolsa, 86 - 5);

    // The blue frame spans squares 110 to 114.
    EXPECT_TRUE(j.Form1.shpAzul.Visible);
    EXPECT_EQ(j.Form1.shpAzul.Posicion.Izquierda, GeometriaCasilla(110).Izquierda);
    EXPECT_EQ(j.Form1.shpAzul.Posicion.Arriba, GeometriaCasilla(110).Arriba);
    EXPECT_EQ(j.Form1.shpAzul.Posicion.Ancho, 5 * 24 + 1);
    EXPECT_EQ(j.Form1.shpAzul.Posicion.Alto, 25);

    // Handed back: the player's turn, the window enabled, the progress bar gone.
    EXPECT_EQ(j.Turno, 1);
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_TRUE(j.Form1.Habilitada);
    EXPECT_TRUE(t.Ventana.Habilitada);
    EXPECT_FALSE(j.Form1.ProgresoVisible);
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_TRUE(j.Form1.List3.empty());
    for (const Casilla& c : j.Form1.Label1) EXPECT_EQ(c.Marca, '0');

    // The player's next action hides the frame.
    Atril_EmpezarArrastre(j, 0);
    EXPECT_FALSE(j.Form1.shpAzul.Visible);
}

class TurnoApertura : public Turno {
protected:
    TurnoApertura() : Turno({"CASA", "CASERA"}) {}
};

TEST_F(TurnoApertura, PaseInicialYPrimeraPalabraDelOrdenador) {
    DarAtril(j, 2, "AASCER*");
    cmdPasar_Click(j);
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", " (Pasa)", "", "-----Ordenador-----", "CASERA",
                      "(3+1x2+1+1+1+1)x2=18", "-----Total: 18", ""}));
    EXPECT_EQ(Preguntas(), std::vector<std::string>{Pregunta("CASERA")});
    for (int q = 107; q <= 112; ++q) EXPECT_TRUE(Fija(q, "CASERA"[q - 107])) << q;
    EXPECT_EQ(j.Form1.Label4[1], "18");
    EXPECT_FALSE(j.Form1.shpAzul.Visible);  // no frame for an opening move
    EXPECT_FALSE(j.PrimeraJugada);
    EXPECT_EQ(j.PasesSeguidos, 0);
    // The blank was not needed: it stays and moves to the front.
    EXPECT_EQ(j.Atriles[2][1], kBlanco);
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
}

TEST_F(TurnoApertura, UnaPalabraDeSieteFichasLlevaElPremio) {
    j.Lista.CargarDesdeTexto("CASERAS\r\n");
    DarAtril(j, 1, "CASERAS");
    DarAtril(j, 2, "IIUUOOL");  // nothing to lay: the computer exchanges
    Arrastrar(j, 106, "CASERAS");
    cmdOk_Click(j);
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", "CASERAS", "(3+1+1*2+1+1+1+1)x2=20",
                      "Todas las fichas: +50", "-----Total: 70", "", "-----Ordenador-----",
                      " (Cambia fichas)", ""}));
    EXPECT_EQ(j.Form1.Label4[0], "70");
    // The emptied rack is refilled and the game goes on.
    for (int k = 1; k <= kRanuras; ++k) EXPECT_NE(j.Atriles[1][k], kSinFicha);
    EXPECT_TRUE(j.PartidaEnCurso);
}

TEST_F(Turno, UnaJugadaRechazadaNoEscribeNada) {
    ConCasa();
    DarAtril(j, 1, "SOLAR");
    const std::string atril = Atril(j, 1);
    Arrastrar(j, 20, "SOL");
    cmdOk_Click(j);
    EXPECT_EQ(t.Textos(), Lineas({"Tienes que utilizar alguna de las fichas colocadas."}));
    EXPECT_TRUE(LineasDesde(j, desde).empty());
    EXPECT_EQ(j.Form1.Label4[0], "0");
    EXPECT_EQ(Atril(j, 1), atril);
    EXPECT_EQ(j.FichasEnBolsa, 86);
    EXPECT_EQ(j.Turno, 1);
    for (int q = 20; q <= 22; ++q) {
        const Casilla& c = j.Form1.Label1[q];
        EXPECT_EQ(c.ColorLetra, kRojo);
        EXPECT_EQ(c.Marca, '1');
        EXPECT_TRUE(c.Movible);
    }
    for (int q = 110; q <= 113; ++q) EXPECT_EQ(j.Form1.Label1[q].Marca, '0');

    // OK again checks the same tiles again.
    cmdOk_Click(j);
    EXPECT_EQ(t.Textos().size(), 2u);
    EXPECT_TRUE(LineasDesde(j, desde).empty());
}

TEST_F(Turno, ElJugadorSeQuedaSinFichasConLaBolsaVacia) {
    ConCasa();
    prueba::BolsaCon(j, "");
    j.Form1.Label4 = {"50", "60"};
    DarAtril(j, 1, "S");
    DarAtril(j, 2, "SQE*");
    Arrastrar(j, 114, "S");
    cmdOk_Click(j);
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", "CASAS", "1+1+1+1+3=7", "-----Total: 7", "",
                      "*** FIN DE LA PARTIDA ***", "Jugador sin fichas.",
                      "Se suma lo del Ordenador: 7", "", "Gana el Jugador."}));
    // The computer did not move.
    EXPECT_TRUE(Preguntas().empty());
    EXPECT_EQ(j.Form1.Label4[0], "64");
    EXPECT_EQ(j.Form1.Label4[1], "60");
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
}

TEST_F(Turno, ElOrdenadorSeQuedaSinFichas) {
    ConCasa();
    prueba::BolsaCon(j, "");
    j.Form1.Label4 = {"50", "60"};
    DarAtril(j, 1, "QE");
    DarAtril(j, 2, "S");
    cmdPasar_Click(j);
    // Its last word is scored but not logged; the settlement follows.
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", " (Pasa)", "", "*** FIN DE LA PARTIDA ***",
                      "Ordenador sin fichas.", "Se suma lo del Jugador: 6", "",
                      "Gana el Ordenador."}));
    EXPECT_TRUE(Fija(114, 'S'));
    EXPECT_EQ(j.Form1.Label4[1], "73");
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_FALSE(j.PartidaEnCurso);
    EXPECT_EQ(j.Form1.Label9, "Partida finalizada.");
    EXPECT_TRUE(j.Form1.Habilitada);
    EXPECT_EQ(j.Turno, 1);
}

class TurnoDosPalabras : public Turno {
protected:
    TurnoDosPalabras() : Turno({"CASA", "CASASS", "OSA"}) {}
};

TEST_F(TurnoDosPalabras, ElBlancoSoloCubreLaSegundaLetraIgual) {
    ConCasa();
    DarAtril(j, 2, "S*EIOUT");
    j.PasesSeguidos = 0;
    t.Ventana.Respuestas = {Respuesta::Aceptar};  // the pass question
    cmdPasar_Click(j);
    EXPECT_EQ(Preguntas().back(), Pregunta("CASASS"));
    EXPECT_TRUE(Fija(114, 'S'));
    EXPECT_TRUE(Fija(115, 'S'));
    // The real S went first, the blank second; O, S, A was not the best.
    EXPECT_EQ(Atril(j, 2).substr(0, 5), "EIOUT");
}

TEST_F(TurnoDosPalabras, UnaPalabraVetadaSaleDeLaListaYSeBuscaOtraVez) {
    ConCasa();
    DarAtril(j, 2, "SSOEIUT");
    t.Ventana.RespuestaAutomatica.reset();
    // Pass, veto CASASS, accept OSA; a further question would throw.
    t.Ventana.Respuestas = {Respuesta::Aceptar, Respuesta::Cancelar, Respuesta::Aceptar};
    cmdPasar_Click(j);
    EXPECT_EQ(Preguntas(), (std::vector<std::string>{Pregunta("CASASS"), Pregunta("OSA")}));
    EXPECT_FALSE(j.Lista.ExistePalabra("CASASS"));
    EXPECT_TRUE(j.Lista.DiccionarioModificado);
    // O and S laid above the A of square 111.
    EXPECT_TRUE(Fija(81, 'O'));
    EXPECT_TRUE(Fija(96, 'S'));
    EXPECT_EQ(j.Form1.Label1[114].Letra, kCasillaVacia);
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", " (Pasa)", "", "-----Ordenador-----", "OSA",
                      "1+1*2+1=4", "-----Total: 4", ""}));
    EXPECT_EQ(j.Form1.Label4[1], "4");
    const Rectangulo marco = j.Form1.shpAzul.Posicion;
    EXPECT_EQ(marco.Izquierda, GeometriaCasilla(81).Izquierda);
    EXPECT_EQ(marco.Arriba, GeometriaCasilla(81).Arriba);
    EXPECT_EQ(marco.Ancho, 25);
    EXPECT_EQ(marco.Alto, 2 * 24 + 25);
    EXPECT_EQ(Atril(j, 2).substr(0, 5), "SEIUT");
}

class TurnoCruces : public Turno {
protected:
    TurnoCruces() : Turno({"ON", "ST", "TAN"}) {
        t.Fijar(97, 'S');
        t.Fijar(113, 'A');
        t.Fijar(127, 'O');
        j.PrimeraJugada = false;
        DarAtril(j, 2, "TNUUUUU");
    }
};

TEST_F(TurnoCruces, VetarUnaPalabraCruzadaNoPreguntaLasSiguientes) {
    // TAN down column 8 forms ST and ON across. Vetoing ST leaves ON unasked
    // and the rerun finds ON down from the O.
    t.Ventana.RespuestaAutomatica.reset();
    t.Ventana.Respuestas = {Respuesta::Aceptar, Respuesta::Aceptar, Respuesta::Cancelar,
                            Respuesta::Aceptar};
    cmdPasar_Click(j);
    EXPECT_EQ(Preguntas(), (std::vector<std::string>{Pregunta("TAN"), Pregunta("ST"), Pregunta("ON")}));
    EXPECT_FALSE(j.Lista.ExistePalabra("ST"));
    EXPECT_TRUE(Fija(142, 'N'));
    EXPECT_EQ(j.Form1.Label1[98].Letra, kCasillaVacia);
    EXPECT_EQ(j.Form1.Label4[1], "2");
}

TEST(TurnoOcupado, LosEventosDuranteElTurnoDelOrdenadorNoEmpiezanOtroCiclo) {
    VentanaImpaciente ventana;
    Juego j(ventana);
    prueba::Preparar(j, {});
    ventana.J = &j;
    DarAtril(j, 2, "QJEASZO");
    const std::size_t desde = j.Form1.lstPartida.size();

    ventana.Respuestas = {Respuesta::Aceptar};  // "Aún quedan fichas. Quieres pasar?"
    cmdPasar_Click(j);

    EXPECT_GT(ventana.EventosDuranteBusqueda, 0);
    EXPECT_EQ(ventana.EventosConVentanaHabilitada, 0);
    // One pass and one exchange: no handler ran inside the cycle (a new game
    // would have asked a question nobody answers).
    EXPECT_EQ(LineasDesde(j, desde), Lineas({"-----Jugador-----", " (Pasa)", "",
                                             "-----Ordenador-----", " (Cambia fichas)", ""}));
    EXPECT_EQ(j.FichaArrastrada.Indice, -1);
    EXPECT_FALSE(j.Ocupado);
    EXPECT_TRUE(j.Form1.Habilitada);
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
}

}  // namespace
}  // namespace tablerix
