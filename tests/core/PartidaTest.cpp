#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "JuegoDePrueba.h"
#include "game/Partida.h"
#include "game/Puntuacion.h"

namespace tablerix {
namespace {

using prueba::Atril;

// The letter whose tiles fill bag slot s of a fresh bag: each letter's run of
// slots, in alphabetical order with Ñ in W's place, then the four blanks.
char LetraDeRanura(int s) {
    const std::pair<char, int> ultimas[] = {
        {'A', 12}, {'B', 14},   {'C', 18}, {'D', 23}, {'E', 35}, {'F', 36},     {'G', 38},
        {'H', 40}, {'I', 46},   {'J', 47}, {'K', 48}, {'L', 52}, {'M', 54},     {'N', 59},
        {'O', 68}, {'P', 70},   {'Q', 71}, {'R', 76}, {'S', 82}, {'T', 86},     {'U', 91},
        {'V', 92}, {kEnie, 93}, {'X', 94}, {'Y', 95}, {'Z', 96}, {kBlanco, 100}};
    for (auto [letra, ultima] : ultimas)
        if (s <= ultima) return letra;
    return '?';
}

TEST(NuevaPartida, LaBolsaTieneLasFichasEnSusRanuras) {
    JuegoDePrueba t;
    Juego& j = t.J;
    EXPECT_EQ(j.FichasEnBolsa, 86);
    // Every tile still in the bag sits in its slot; the 14 drawn ones are on the racks.
    std::map<char, int> robadas, enAtriles;
    int valor = 0;
    for (int s = 1; s <= kFichasBolsa; ++s) {
        valor += ValorLetra(j, LetraDeRanura(s));
        if (j.Bolsa[s] == kSinFicha)
            ++robadas[LetraDeRanura(s)];
        else
            EXPECT_EQ(j.Bolsa[s], LetraDeRanura(s)) << "slot " << s;
    }
    for (int p = 1; p <= 2; ++p)
        for (int k = 1; k <= kRanuras; ++k) ++enAtriles[j.Atriles[p][k]];
    EXPECT_EQ(robadas, enAtriles);  // this seed draws at most one blank per rack
    EXPECT_EQ(valor, 177);
}

// What the scenario of a new game cannot print: flags, hidden lists, premiums
// under tiles that were on the board, and the rack display.
TEST(NuevaPartida, DejaTodoComoAlEmpezar) {
    JuegoDePrueba t;
    Juego& j = t.J;
    t.Fijar(112, "CASA");
    t.Poner(20, 'X');
    j.Form1.List3 = {"X"};
    j.Form1.List4 = {"Y"};
    j.Form1.ProgresoVisible = j.JugadorPasa = true;
    j.Form1.Label5[1] = {'B', false, kMagenta, false};
    j.PrimeraJugada = j.PartidaEnCurso = false;
    j.PasesSeguidos = 1;
    j.Turno = 2;
    HabilitarVentana(j, false);
    NuevaPartida(j);
    EXPECT_EQ(std::tuple(j.Form1.List3.empty(), j.Form1.List4.empty(), j.Form1.ProgresoVisible,
                         j.PrimeraJugada, j.PartidaEnCurso, j.PasesSeguidos, j.Turno, j.JugadorPasa,
                         t.Ventana.Habilitada, j.Form1.Habilitada),
              std::tuple(true, true, false, true, true, 0, 1, false, true, true));
    EXPECT_EQ(j.Form1.Label1[112], Casilla{.Fondo = kPalabraX2});
    EXPECT_EQ(j.Form1.Label1[113], Casilla{});
    EXPECT_EQ(j.Form1.Label1[20], Casilla{.Fondo = kLetraX3});
    EXPECT_EQ(j.Form1.Label5, prueba::EnReposo(Atril(j, 1)));
}

// The scenario draws the last tiles into a closed-up rack; here the gaps.
TEST(RobarFichas, LlenaLosHuecosEnOrdenYAvisaUnaVezDelFinDeLaBolsa) {
    JuegoDePrueba t;
    Juego& j = t.J;
    prueba::DarAtril(j, 1, "");
    j.Atriles[1][3] = 'Q';
    j.Atriles[1][6] = 'Z';
    prueba::BolsaCon(j, "BCD");
    RobarFichas(j, 1);
    // The first three empty slots (1, 2 and 4) are filled; 5 and 7 stay empty.
    const std::string atril = Atril(j, 1);
    std::string sacadas = {atril[0], atril[1], atril[3]};
    std::sort(sacadas.begin(), sacadas.end());
    EXPECT_EQ(sacadas + atril.substr(4) + atril[2], "BCD.Z.Q");
    EXPECT_EQ(j.Form1.Label7, "0");
    EXPECT_EQ(t.Textos(), std::vector<std::string>{"Se han acabado la fichas."});
    // Later draws only refresh the count.
    j.Form1.Label7.clear();
    RobarFichas(j, 1);
    RobarFichas(j, 2);
    EXPECT_EQ(t.Textos().size(), 1u);
    EXPECT_EQ(j.Form1.Label7, "0");
    EXPECT_EQ(Atril(j, 1), atril);
    // A damaged count (5, every slot empty) does not keep the draw looking.
    prueba::DarAtril(j, 1, "");
    j.FichasEnBolsa = 5;
    RobarFichas(j, 1);
    EXPECT_EQ(Atril(j, 1), ".......");
    EXPECT_EQ(j.Form1.Label7, "5");
}

}  // namespace
}  // namespace tablerix
