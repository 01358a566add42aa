#include <gtest/gtest.h>

#include <tuple>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "app/Turno.h"

namespace tablerix {
namespace {

using prueba::Atril;
using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

// Passes, vetoes, openings and the ends of a game are played whole by the
// scenarios; here a full turn of each side is checked where the scenarios'
// transcripts cannot look.
TEST(Turno, PrimeraPalabraYRespuestaDelOrdenador) {
    JuegoDePrueba t({"CASA", "CASAS"});
    Juego& j = t.J;
    ElegirNivel(j, 0);
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    const std::size_t desde = j.Form1.lstPartida.size();
    DarAtril(j, 1, "CASALEN");
    DarAtril(j, 2, "SEIOUTR");
    // Laid by dragging, as the window does.
    for (int k = 0; k < 4; ++k) {
        Atril_EmpezarArrastre(j, 0);
        Casilla_Soltar(j, 110 + k);
    }
    cmdOk_Click(j);

    EXPECT_EQ(LineasDesde(j, desde),
              Lineas({"-----Jugador-----", "CASA", "(3+1+1+1)x2=12", "-----Total: 12", "",
                      "-----Ordenador-----", "CASAS", "1+1+1+1+3=7", "-----Total: 7", ""}));
    EXPECT_EQ(j.Form1.Label4, (std::array<std::string, 2>{"12", "7"}));
    for (int q = 110; q <= 114; ++q) {
        EXPECT_EQ(j.Form1.Label1[q], (Casilla{"CASAS"[q - 110], kNegro, '0', false, kColorFicha}));
        EXPECT_EQ(j.Tablero[q], "CASAS"[q - 110]);
    }
    // The player keeps L, E, N in front and draws four; the computer keeps
    // E, I, O, U, T, R in front and draws one. Its frame and display are the scenario's.
    EXPECT_EQ(Atril(j, 1).substr(0, 3) + Atril(j, 2).substr(0, 6), "LENEIOUTR");
    EXPECT_EQ(j.Form1.Label5, prueba::EnReposo(Atril(j, 1)));
    EXPECT_EQ(j.FichasEnBolsa, 86 - 5);
    // Handed back with nothing of the search left behind.
    EXPECT_EQ(std::tuple(j.Turno, j.Form1.ModoLabel9, j.Form1.Habilitada, t.Ventana.Habilitada,
                         j.Form1.ProgresoVisible, j.PrimeraJugada, j.Form1.List3.empty()),
              std::tuple(1, '0', true, true, false, false, true));
    for (const Casilla& c : j.Form1.Label1) EXPECT_EQ(c.Marca, '0');
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
    JuegoDePruebaCon<VentanaImpaciente> t;
    Juego& j = t.J;
    t.Ventana.J = &j;
    DarAtril(j, 2, "QJEASZO");
    const std::size_t desde = j.Form1.lstPartida.size();

    t.Ventana.Respuestas = {Respuesta::Aceptar};  // "Aún quedan fichas. Quieres pasar?"
    cmdPasar_Click(j);

    EXPECT_GT(t.Ventana.EventosDuranteBusqueda, 0);
    EXPECT_EQ(t.Ventana.EventosConVentanaHabilitada, 0);
    // One pass and one exchange: no handler ran inside the cycle (a new game
    // would have asked a question nobody answers).
    EXPECT_EQ(LineasDesde(j, desde), Lineas({"-----Jugador-----", " (Pasa)", "",
                                             "-----Ordenador-----", " (Cambia fichas)", ""}));
    EXPECT_EQ(std::tuple(j.FichaArrastrada.Indice, j.Ocupado, j.Form1.Habilitada, j.Form1.Label9),
              std::tuple(-1, false, true, std::string("Es tu turno.")));
}

}  // namespace
}  // namespace tablerix
