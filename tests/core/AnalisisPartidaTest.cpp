// The game report on whole games played through the window's entry points
// over the shipped word list.
#include <gtest/gtest.h>

#include <algorithm>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "computer/AnalisisPartida.h"
#include "game/Historia.h"
#include "game/Posicion.h"

namespace tablerix {
namespace {

bool HayPropuesta(const Juego& j) {
    return std::any_of(j.Form1.Label1.begin(), j.Form1.Label1.end(), [](const Casilla& c) {
        return c.ColorLetra == kRojo && c.Letra != kCasillaVacia;
    });
}

class AnalisisPartida : public ::testing::TestWithParam<int> {};

// Both sides search at full strength (the player takes "Recomendar la mejor
// jugada"), so the report's search, run on the positions it rebuilds from the
// history, must find exactly what each side played: a position rebuilt wrong
// (the player's tiles missing under the computer's turn, a stale rack) shows
// as points missed. The analysis asks nothing and changes nothing.
TEST_P(AnalisisPartida, AtFullStrengthEveryMovePlayedIsTheBestAndNothingChanges) {
    JuegoDePrueba t({}, static_cast<std::uint64_t>(GetParam()));
    Juego& j = t.J;
    ASSERT_TRUE(j.Lista.Cargar(std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal"));
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    MnuNew_Click(j);
    MnuNiv_Click(j, 0);
    MnuMejor_Click(j);
    for (int turno = 0; j.Posicion.PartidaEnCurso && turno < 100; ++turno) {
        MnuRecom_Click(j);
        HayPropuesta(j) ? cmdOk_Click(j) : cmdPasar_Click(j);
    }
    ASSERT_FALSE(j.Posicion.PartidaEnCurso);
    // The window hears of the end once: a redo back to it shows no end box.
    MnuDeshacerJugada_Click(j);
    ASSERT_TRUE(j.Posicion.PartidaEnCurso);
    MnuRehacerJugada_Click(j);
    ASSERT_FALSE(j.Posicion.PartidaEnCurso);
    EXPECT_EQ(std::count(t.Ventana.Ventanas.begin(), t.Ventana.Ventanas.end(), "end"), 1);

    const Posicion antes = CapturarPosicion(j);
    const Historia historia = HistoriaDe(j);
    const std::size_t cuadros = t.Ventana.Registro.size();
    const int palabras = j.Lista.NumPalabras();
    MnuResumen_Click(j);
    ASSERT_TRUE(j.Resumen);
    const ResumenPartida& r = *j.Resumen;
    EXPECT_EQ(CapturarPosicion(j), antes);
    EXPECT_EQ(HistoriaDe(j), historia);
    EXPECT_EQ(t.Ventana.Registro.size(), cuadros);
    EXPECT_EQ(j.Lista.NumPalabras(), palabras);

    ASSERT_EQ(r.Filas.size(), historia.Turnos.size());
    ASSERT_GT(r.Filas.size(), 10u);
    std::array<int, 2> puntos{};
    for (const FilaResumen& f : r.Filas) {
        SCOPED_TRACE("turn " + std::to_string(f.Numero) + " " + f.Jugada.Palabra);
        EXPECT_EQ(f.Perdidos, 0);
        if (f.Jugada.Tipo == TipoTurno::Palabra) {
            ASSERT_TRUE(f.Mejor);
            EXPECT_EQ(f.Mejor->Palabra, f.Jugada.Palabra);
            EXPECT_EQ(f.FichasMejor, f.FichasJugada);
            EXPECT_FALSE(f.FichasJugada.empty());
        } else {
            EXPECT_FALSE(f.Mejor);
        }
        puntos[f.Jugada.Lado - 1] += f.Jugada.Puntos;
    }
    EXPECT_EQ(r.Totales[0].Puntos, puntos[0]);
    EXPECT_EQ(r.Totales[1].Mejor, puntos[1]);
    EXPECT_FALSE(r.EnCurso);
    EXPECT_EQ(r.Filas.back().Marcador,
              (std::array<int, 2>{LeerPuntos(j.Form1.Label4[0]), LeerPuntos(j.Form1.Label4[1])}));
}

INSTANTIATE_TEST_SUITE_P(Semillas, AnalisisPartida, ::testing::Values(1, 2));

}  // namespace
}  // namespace tablerix
