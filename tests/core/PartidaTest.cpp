#include "game/Partida.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "JuegoDePrueba.h"
#include "game/Mensajes.h"
#include "game/Puntuacion.h"

namespace tablerix {
namespace {

// The tile set: letter and its first and last bag slot.
struct Tramo {
    char Letra;
    int Desde, Hasta;
};
const std::vector<Tramo> kTramos = {
    {'A', 1, 12},  {'B', 13, 14}, {'C', 15, 18}, {'D', 19, 23}, {'E', 24, 35},  {'F', 36, 36},
    {'G', 37, 38}, {'H', 39, 40}, {'I', 41, 46}, {'J', 47, 47}, {'K', 48, 48},  {'L', 49, 52},
    {'M', 53, 54}, {'N', 55, 59}, {'O', 60, 68}, {'P', 69, 70}, {'Q', 71, 71},  {'R', 72, 76},
    {'S', 77, 82}, {'T', 83, 86}, {'U', 87, 91}, {'V', 92, 92}, {kEnie, 93, 93}, {'X', 94, 94},
    {'Y', 95, 95}, {'Z', 96, 96}, {kBlanco, 97, 100}};

char LetraDeRanura(int s) {
    for (const Tramo& t : kTramos)
        if (s >= t.Desde && s <= t.Hasta) return t.Letra;
    return '?';
}

void VaciarBolsa(Juego& j) {
    for (char& f : j.Bolsa) f = kSinFicha;
    j.FichasEnBolsa = 0;
}

std::string Atril(const Juego& j, int p) {
    std::string s;
    for (int k = 1; k <= kRanuras; ++k) s += j.Atriles[p][k] ? j.Atriles[p][k] : '.';
    return s;
}

TEST(NuevaPartida, LaBolsaTieneLasFichasEnSusRanuras) {
    JuegoDePrueba t;
    Juego& j = t.J;
    EXPECT_EQ(j.FichasEnBolsa, 86);
    EXPECT_EQ(j.Form1.Label7, "86");

    // Every tile still in the bag sits in its slot; the 14 drawn ones are on the racks.
    std::map<char, int> robadas, enAtriles, total;
    int vacias = 0;
    for (int s = 1; s <= kFichasBolsa; ++s) {
        if (j.Bolsa[s] == kSinFicha) {
            ++vacias;
            ++robadas[LetraDeRanura(s)];
        } else {
            EXPECT_EQ(j.Bolsa[s], LetraDeRanura(s)) << "slot " << s;
        }
        ++total[LetraDeRanura(s)];
    }
    EXPECT_EQ(vacias, 14);
    for (int p = 1; p <= 2; ++p)
        for (int k = 1; k <= kRanuras; ++k) ++enAtriles[j.Atriles[p][k]];
    EXPECT_EQ(robadas, enAtriles);  // this seed draws at most one blank per rack

    const std::map<char, int> esperado = {
        {'A', 12}, {'B', 2}, {'C', 4}, {'D', 5}, {'E', 12}, {'F', 1}, {'G', 2}, {'H', 2},
        {'I', 6},  {'J', 1}, {'K', 1}, {'L', 4}, {'M', 2},  {'N', 5}, {'O', 9}, {'P', 2},
        {'Q', 1},  {'R', 5}, {'S', 6}, {'T', 4}, {'U', 5},  {'V', 1}, {kEnie, 1}, {'X', 1},
        {'Y', 1},  {'Z', 1}, {kBlanco, 4}};
    EXPECT_EQ(total, esperado);

    // The letter values over the 96 lettered tiles.
    int valor = 0;
    for (int s = 1; s <= kFichasBolsa; ++s) valor += ValorLetra(j, LetraDeRanura(s));
    EXPECT_EQ(valor, 177);
}

TEST(NuevaPartida, ElRepartoSigueLaSecuenciaAleatoria) {
    // Reference picks with the same seed: the player's seven, then the computer's.
    JuegoDePrueba t({}, 42);
    Aleatorio azar(42);
    std::array<char, kFichasBolsa + 1> bolsa{};
    for (int s = 1; s <= kFichasBolsa; ++s) bolsa[s] = LetraDeRanura(s);
    for (int p = 1; p <= 2; ++p) {
        int blancos = 0;
        std::string esperado;
        for (int k = 1; k <= kRanuras; ++k) {
            int s;
            do s = static_cast<int>(azar.Siguiente() * 100) + 1;
            while (bolsa[s] == kSinFicha);
            char f = bolsa[s];
            if (f == kBlanco) {
                if (blancos == 1) f = 'A';
                blancos = 1;
            }
            esperado += f;
            bolsa[s] = kSinFicha;
        }
        EXPECT_EQ(Atril(t.J, p), esperado);
    }
    EXPECT_EQ(t.J.Bolsa, bolsa);
}

TEST(NuevaPartida, DejaTodoComoAlEmpezar) {
    JuegoDePrueba t;
    Juego& j = t.J;
    // A game well under way.
    t.Fijar(112, "CASA");
    t.Poner(20, 'X');
    j.Form1.Label4 = {"120", "95"};
    j.Form1.lstPartida = {"-----Jugador-----", "CASA"};
    j.Form1.List3 = {"X"};
    j.Form1.List4 = {"Y"};
    j.Form1.shpAzul.Visible = true;
    j.Form1.ProgresoVisible = true;
    j.Form1.Label5[3].Visible = false;
    j.Form1.Label5[1].Fondo = kMagenta;
    j.Form1.Label5[1].Arrastrable = false;
    j.Form1.Label11[6].Visible = false;
    j.PrimeraJugada = false;
    j.PartidaEnCurso = false;
    j.PasesSeguidos = 1;
    j.Turno = 2;
    j.JugadorPasa = true;
    PonerEstado(j, "Partida finalizada.", '1');
    t.Ventana.Habilitada = false;
    j.Form1.Habilitada = false;

    NuevaPartida(j);

    EXPECT_EQ(j.Form1.lstPartida, (std::vector<std::string>{"*** INICIO DE PARTIDA ***", ""}));
    EXPECT_TRUE(j.Form1.List3.empty());
    EXPECT_TRUE(j.Form1.List4.empty());
    EXPECT_FALSE(j.Form1.shpAzul.Visible);
    EXPECT_FALSE(j.Form1.ProgresoVisible);
    EXPECT_TRUE(j.PrimeraJugada);
    EXPECT_TRUE(j.PartidaEnCurso);
    EXPECT_EQ(j.PasesSeguidos, 0);
    EXPECT_EQ(j.Turno, 1);
    EXPECT_FALSE(j.JugadorPasa);
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_TRUE(t.Ventana.Habilitada);
    EXPECT_EQ(j.Form1.Label4, (std::array<std::string, 2>{"0", "0"}));

    // The premiums come back from Premios, plain squares included.
    EXPECT_EQ(j.Form1.Label1[112].Fondo, kPalabraX2);
    EXPECT_EQ(j.Form1.Label1[113].Fondo, kColorVentana);
    EXPECT_EQ(j.Form1.Label1[20].Fondo, kLetraX3);
    for (int i = 0; i < kCasillas; ++i) {
        const Casilla& c = j.Form1.Label1[i];
        EXPECT_EQ(c.Letra, kCasillaVacia);
        EXPECT_EQ(c.Marca, '0');
        EXPECT_FALSE(c.Movible);
        EXPECT_EQ(c.ColorLetra, kRojo);
        EXPECT_EQ(j.Tablero[i], kCasillaVacia);
    }
    for (int k = 0; k < kRanuras; ++k) {
        const FichaJugador& mia = j.Form1.Label5[k];
        EXPECT_TRUE(mia.Visible);
        EXPECT_NE(mia.Letra, kSinFicha);
        EXPECT_EQ(mia.Letra, j.Atriles[1][k + 1]);
        EXPECT_EQ(mia.Fondo, kColorFicha);
        EXPECT_TRUE(mia.Arrastrable);
        EXPECT_TRUE(j.Form1.Label11[k].Visible);
        EXPECT_EQ(j.Form1.Label11[k].Letra, j.Atriles[2][k + 1]);
    }
    EXPECT_EQ(j.FichasEnBolsa, 86);
}

class Robar : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;

    void VaciarAtril(int p) {
        for (int k = 1; k <= kRanuras; ++k) j.Atriles[p][k] = kSinFicha;
    }
    // A bag holding only `fichas`, in slots 1, 2, ...
    void BolsaCon(std::string_view fichas) {
        VaciarBolsa(j);
        for (char f : fichas) j.Bolsa[++j.FichasEnBolsa] = f;
    }
    int AvisosDeFinDeFichas() const {
        int n = 0;
        for (const auto& m : t.Ventana.Mensajes)
            if (m.Texto == "Se han acabado la fichas.") {
                EXPECT_EQ(m.Tipo, Icono::Informacion);
                EXPECT_FALSE(m.ConCancelar);
                ++n;
            }
        return n;
    }
};

TEST_F(Robar, UnAtrilLlenoGastaSieteElecciones) {
    std::string antes = Atril(j, 1);
    // A full bag: every pick hits at the first try.
    for (int s = 1; s <= kFichasBolsa; ++s) j.Bolsa[s] = 'E';
    j.FichasEnBolsa = 100;
    Aleatorio referencia = j.Azar;
    RobarFichas(j, 1);
    for (int k = 0; k < 7; ++k) referencia.Siguiente();
    EXPECT_EQ(j.Azar.Siguiente(), referencia.Siguiente());
    EXPECT_EQ(Atril(j, 1), antes);
    EXPECT_EQ(j.FichasEnBolsa, 100);
    EXPECT_EQ(j.Form1.Label7, "100");
}

TEST_F(Robar, SoloLosHuecosDelAtrilSeLlenan) {
    const char mostrada = j.Form1.Label5[1].Letra;
    j.Atriles[1][2] = kSinFicha;
    j.Atriles[1][5] = kSinFicha;
    std::string antes = Atril(j, 1);
    RobarFichas(j, 1);
    std::string despues = Atril(j, 1);
    for (int k = 0; k < kRanuras; ++k) {
        if (k == 1 || k == 4)
            EXPECT_NE(despues[k], '.');
        else
            EXPECT_EQ(despues[k], antes[k]);
    }
    EXPECT_EQ(j.FichasEnBolsa, 84);
    EXPECT_EQ(j.Form1.Label7, "84");
    // The rack display is the caller's business.
    EXPECT_EQ(j.Form1.Label5[1].Letra, mostrada);
}

TEST_F(Robar, ElSegundoBlancoSeConvierteEnA) {
    VaciarAtril(2);
    BolsaCon("****");
    RobarFichas(j, 2);
    EXPECT_EQ(Atril(j, 2), "*AAA...");
    EXPECT_EQ(j.FichasEnBolsa, 0);
    for (int s = 1; s <= 4; ++s) EXPECT_EQ(j.Bolsa[s], kSinFicha);

    // A rack that already holds a blank gets an A for the blank it draws.
    VaciarAtril(1);
    j.Atriles[1][4] = kBlanco;
    BolsaCon("*");
    RobarFichas(j, 1);
    EXPECT_EQ(Atril(j, 1), "A..*...");
}

TEST_F(Robar, LaUltimaFichaSeAnunciaUnaVez) {
    VaciarAtril(1);
    j.Atriles[1][3] = 'Q';
    j.Atriles[1][6] = 'Z';
    BolsaCon("BCD");
    RobarFichas(j, 1);
    std::string atril = Atril(j, 1);
    // The first three empty slots (1, 2 and 4) are filled, 5 and 7 stay empty.
    EXPECT_NE(atril[0], '.');
    EXPECT_NE(atril[1], '.');
    EXPECT_EQ(atril[2], 'Q');
    EXPECT_NE(atril[3], '.');
    EXPECT_EQ(atril.substr(4), ".Z.");
    std::string sacadas = {atril[0], atril[1], atril[3]};
    std::sort(sacadas.begin(), sacadas.end());
    EXPECT_EQ(sacadas, "BCD");
    EXPECT_EQ(j.FichasEnBolsa, 0);
    EXPECT_EQ(j.Form1.Label7, "0");
    EXPECT_EQ(AvisosDeFinDeFichas(), 1);

    // Later draws only refresh the count.
    j.Form1.Label7.clear();
    RobarFichas(j, 1);
    RobarFichas(j, 2);
    EXPECT_EQ(AvisosDeFinDeFichas(), 1);
    EXPECT_EQ(j.Form1.Label7, "0");
    EXPECT_EQ(Atril(j, 1), atril);
}

TEST_F(Robar, UnaCuentaQueNoCuadraNoBloqueaElRobo) {
    // A damaged count: the bag says 5 but every slot is empty.
    VaciarAtril(1);
    VaciarBolsa(j);
    j.FichasEnBolsa = 5;
    RobarFichas(j, 1);
    EXPECT_EQ(Atril(j, 1), ".......");
    EXPECT_EQ(j.Form1.Label7, "5");
}

}  // namespace
}  // namespace tablerix
