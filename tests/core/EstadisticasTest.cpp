// The statistics: a finished game's record from its log, a game counted again
// replacing its count, and the file's reader against random damage.
#include <gtest/gtest.h>

#include <tuple>

#include "DanoAlAzar.h"
#include "savegame/ArchivoEstadisticas.h"

namespace tablerix {
namespace {

TEST(Estadisticas, OnlyThePlayersLaidWordsAreMovesAndTheScoresGiveTheResult) {
    const std::vector<std::string> listado = {"*** INICIO DE PARTIDA ***",
                                              "",
                                              "-----Jugador-----",
                                              "CASA",
                                              "(3+1+1+1)x2=12",
                                              "-----Total: 12",
                                              "",
                                              "-----Ordenador-----",
                                              "ZAS",
                                              "-----Total: 90",
                                              "",
                                              "-----Jugador-----",
                                              "(Pasa)",
                                              "",
                                              "-----Jugador------",
                                              "(Cambia fichas)",
                                              "",
                                              "-----Jugador-----",
                                              "OS",
                                              "1+1*2=3",
                                              "CO",
                                              "1+3=4",
                                              "Todas las fichas: +50",
                                              "-----Total: 57",
                                              "",
                                              "-----Jugador-----",
                                              "ROTO",
                                              "-----Total: x",
                                              ""};
    const EstadisticasNivel e = PartidaTerminada(80, 80, listado, "2026-12-07");
    EXPECT_EQ(e.Jugadas, 2);
    EXPECT_EQ(e.PuntosJugadas, 69);
    EXPECT_EQ(e.MejorPalabra, "OS");
    EXPECT_EQ(e.PuntosMejorJugada, 57);
    EXPECT_EQ(e.Empatadas, 1);
    EXPECT_EQ(PartidaTerminada(81, 80, {}, "").Ganadas, 1);
    EXPECT_EQ(PartidaTerminada(-3, 80, {}, "").Perdidas, 1);
}

TEST(Estadisticas, TheSameGameEndedAgainReplacesItsCountAnotherOneAdds) {
    auto partida = [](int puntos, const char* palabra, int puntosPalabra) {
        return PartidaTerminada(
            puntos, 100,
            {"-----Jugador-----", palabra, "-----Total: " + std::to_string(puntosPalabra)},
            "2026-12-07");
    };
    TablaEstadisticas t;
    ContarPartida(t, "s-1", 0, partida(150, "CASAS", 40));
    ContarPartida(t, "s-2", 0, partida(90, "OS", 10));
    // s-2 taken back, a level changed, ended again: it moves to level 5.
    ContarPartida(t, "s-2", 5, partida(120, "ASA", 30));
    EXPECT_EQ(Totales(t)[0], partida(150, "CASAS", 40));
    // Another game folds s-2 in for good; the earlier bests stay.
    ContarPartida(t, "s-3", 0, partida(200, "OS", 2));
    EXPECT_EQ(t.Niveles[5], partida(120, "ASA", 30));
    const EstadisticasNivel cero = Totales(t)[0];
    EXPECT_EQ(std::tuple(cero.Partidas, cero.MejorPartida, cero.MejorPalabra),
              std::tuple(2, 200, "CASAS"));
    EXPECT_DOUBLE_EQ(MediaPorJugada(cero), 21.0);
}

TEST(ArchivoEstadisticasFuzz, WhatTheReaderAcceptsIsConsistentAndWritesBackTheSame) {
    TablaEstadisticas t;
    ContarPartida(
        t, "a1-1", 2,
        PartidaTerminada(200, 150, {"-----Jugador-----", "CASA", "-----Total: 12"}, "2026-12-06"));
    ContarPartida(t, "a1-2", 7, PartidaTerminada(90, 150, {}, "2026-12-07"));
    const std::string bueno = FormatearEstadisticas(t);
    ASSERT_EQ(InterpretarEstadisticas(bueno), t);

    // Digits changed in a score or a date still read.
    const char utiles[] = "\r\n -0123456789ACZ\xD1W";
    prueba::ProbarDanos(20261207, {utiles, sizeof utiles - 1}, bueno, InterpretarEstadisticas,
                        [](const TablaEstadisticas& leida, const std::string& s, int) {
                            EXPECT_EQ(FormatearEstadisticas(leida), s);
                            for (const EstadisticasNivel& e : Totales(leida)) {
                                EXPECT_EQ(e.Ganadas + e.Perdidas + e.Empatadas, e.Partidas);
                                EXPECT_LE(e.PuntosMejorJugada, e.PuntosJugadas);
                                EXPECT_EQ(e.Jugadas == 0, e.MejorPalabra.empty());
                            }
                        });
}

}  // namespace
}  // namespace tablerix
