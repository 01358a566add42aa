#include <gtest/gtest.h>

#include <tuple>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "app/Turno.h"

namespace tablerix {
namespace {

using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

// Notes, at each question, the proposed move shown and whether the box must
// keep off the board.
class VentanaQueMira : public VentanaGuionizada {
  public:
    Juego* J = nullptr;
    std::vector<std::tuple<std::vector<FichaPrevia>, Marco, bool>> Vistas;

    Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                             Respuesta porDefecto) override {
        Vistas.emplace_back(J->Form1.VistaPrevia, J->Form1.shpAzul,
                            J->Form1.PreguntaJuntoAlTablero);
        return VentanaGuionizada::MostrarMensaje(texto, icono, conCancelar, porDefecto);
    }
};

TEST(Turno, LasPreguntasSobreElTableroMuestranLaJugadaYLosBlancosQuedanDistinguidos) {
    JuegoDePruebaCon<VentanaQueMira> t({"CASAS"});
    Juego& j = t.J;
    t.Ventana.J = &j;
    ElegirNivel(j, 0);
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    t.Ventana.Letras = {'S'};
    DarAtril(j, kTurnoJugador, "CA*ALEN");
    DarAtril(j, kTurnoOrdenador, "*EIOUTR");
    for (int k = 0; k < 4; ++k) {
        Atril_EmpezarArrastre(j, 0);
        Casilla_Soltar(j, 110 + k);
    }
    cmdOk_Click(j);

    // The player's CASA is included, then the computer's CASAS, whose S is its blank,
    // is asked with its move in the blue frame; both boxes keep off the board.
    const Rectangulo a = GeometriaCasilla(110), b = GeometriaCasilla(114);
    const Marco enmarcada{true,
                          {a.Izquierda, a.Arriba, b.Izquierda + b.Ancho - a.Izquierda, b.Alto}};
    using Vista = std::tuple<std::vector<FichaPrevia>, Marco, bool>;
    EXPECT_EQ(t.Ventana.Vistas,
              (std::vector<Vista>{{{}, {}, true}, {{{114, 'S', true}}, enmarcada, true}}));
    EXPECT_TRUE(j.Form1.VistaPrevia.empty());
    EXPECT_FALSE(j.Form1.PreguntaJuntoAlTablero);
    EXPECT_EQ(j.Form1.shpAzul, enmarcada);
    for (int q = 0; q < kCasillas; ++q)
        EXPECT_EQ(j.Form1.Label1[q].Blanco, q == 112 || q == 114) << q;
}

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

TEST(TurnoOcupado, LosEventosDuranteElTurnoDelOrdenadorNoEmpiezanOtroCiclo) {
    JuegoDePruebaCon<VentanaImpaciente> t({"CASA"});
    Juego& j = t.J;
    t.Ventana.J = &j;
    ElegirNivel(j, 0);
    DarAtril(j, kTurnoOrdenador, "CASAQJZ");
    const std::size_t desde = j.Form1.lstPartida.size();

    // "Aún quedan fichas. Quieres pasar?", then the computer's word.
    t.Ventana.Respuestas = {Respuesta::Aceptar, Respuesta::Aceptar};
    cmdPasar_Click(j);

    EXPECT_GT(t.Ventana.EventosDuranteBusqueda, 0);
    EXPECT_EQ(t.Ventana.EventosConVentanaHabilitada, 0);
    // One pass and one word: no handler ran inside the cycle (a new game
    // would have asked a question nobody answers).
    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", " (Pasa)", "", "-----Ordenador-----", "CASA",
                      "(3+1+1+1)x2=12", "-----Total: 12", ""}));
    // Handed back with nothing of the search left on screen.
    EXPECT_EQ(std::tuple(j.Jugada.FichaArrastrada.Indice, j.Ocupado, j.Form1.Habilitada,
                         j.Form1.Label9, j.Form1.ProgresoVisible),
              std::tuple(-1, false, true, std::string("Es tu turno."), false));
}

}  // namespace
}  // namespace tablerix
