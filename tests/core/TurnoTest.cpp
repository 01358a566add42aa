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
