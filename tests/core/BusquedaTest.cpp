// The move search and the opening search on small boards whose outcome is
// known, each run beside the described loops from the same seed.
#include <gtest/gtest.h>

#include "BusquedaReferencia.h"
#include "JuegoDePrueba.h"
#include "PosicionesAleatorias.h"
#include "computer/Busqueda.h"

namespace tablerix {
namespace {

using Lineas = std::vector<std::string>;

void PonerAtril(Juego& j, std::string_view fichas) {
    const std::string t = Txt(fichas);
    j.Turno = 2;
    for (int k = 1; k <= kRanuras; ++k) j.Atriles[2][k] = k <= static_cast<int>(t.size()) ? t[k - 1] : kSinFicha;
}

// How many numbers the search drew: one per window tried.
int Sorteos(Juego& j, std::uint64_t semilla) {
    const double siguiente = j.Azar.Siguiente();
    Aleatorio copia(semilla);
    for (int n = 0; n < 5000; ++n)
        if (copia.Siguiente() == siguiente) return n;
    return -1;
}

// The search on the computer's rack at `paso`, checked against the described
// loops from the same seed; the fast search's record is left in p.J.
void Buscar(JuegoDePrueba& p, std::string_view atril, int paso = 1, std::uint64_t semilla = 1) {
    Juego& j = p.J;
    PonerAtril(j, atril);
    MarcarOcupadas(j);
    j.PrimeraJugada = false;
    j.PasoBusqueda = static_cast<std::int16_t>(paso);
    j.Silencioso = true;
    j.Azar.Sembrar(semilla);
    BuscarMejorJugadaReferencia(j);
    const auto referencia = std::make_tuple(j.MejorPuntos, j.MejorInicio, j.MejorFichas, j.MejorDireccion,
                                            j.PalabrasJugada, j.Form1.List3, j.PuntosMejor, j.Azar.Siguiente());
    const auto antes = j.Form1.Label1;
    j.Azar.Sembrar(semilla);
    BuscarMejorJugada(j);
    Aleatorio azar = j.Azar;
    EXPECT_EQ(std::make_tuple(j.MejorPuntos, j.MejorInicio, j.MejorFichas, j.MejorDireccion, j.PalabrasJugada,
                              j.Form1.List3, j.PuntosMejor, azar.Siguiente()),
              referencia);
    for (int q = 0; q < kCasillas; ++q)
        ASSERT_TRUE(antes[q].Letra == j.Form1.Label1[q].Letra && antes[q].Marca == j.Form1.Label1[q].Marca)
            << "trial tile left on square " << q;
    EXPECT_EQ(j.Form1.AnchoProgreso, kAnchoProgreso) << "the fill is full after the last column";
}

TEST(BusquedaJugada, RowSevenAroundCasaGivesItsWindowsOnly) {
    JuegoDePrueba p({"CASA"});
    p.Fijar(111, "CASA");  // row 7, columns 6 to 9
    Buscar(p, "XXXXXXX", 1, 5);
    p.J.Azar.Sembrar(5);
    BuscarMejorJugada(p.J);
    // Row 7: windows from column 0..6 to column 9..14 holding 1 to 7 open
    // squares (31); each column 6..9: windows through row 7 likewise (35).
    // Rows 6 and 8 and the other columns hold no letter.
    EXPECT_EQ(Sorteos(p.J, 5), 31 + 4 * 35);
}

TEST(BusquedaJugada, NoWindowHoldsEightOpenSquares) {
    JuegoDePrueba p({"CASA"});
    p.Fijar(112, 'A');
    p.J.Azar.Sembrar(9);
    PonerAtril(p.J, "XXXXXXX");
    MarcarOcupadas(p.J);
    p.J.PasoBusqueda = 1;
    BuscarMejorJugada(p.J);
    // Row 7 and column 7: 35 windows each; the whole line (14 open) never.
    EXPECT_EQ(Sorteos(p.J, 9), 2 * 35);
}

TEST(BusquedaJugada, RackUsesItsTilesFirstAndOneBlankOnce) {
    // PAPA comes first and would score as much as CAPA, but needs two blanks.
    JuegoDePrueba p({"PAPA", "CAPA", "CASA"});
    p.Fijar(112, 'A');
    p.Fijar(114, 'A');  // ?A?A from square 111
    Buscar(p, "CSO*");
    EXPECT_EQ(p.J.MejorFichas, "C-P-");
    EXPECT_EQ(p.J.MejorInicio, 111);
    EXPECT_EQ(p.J.MejorDireccion, 'H');
    EXPECT_EQ(p.J.MejorPuntos, 8) << "the blank scores as the P it stands for";
    EXPECT_EQ(p.J.Form1.List3, (Lineas{"CAPA", "3+1+3+1=8"}));
    EXPECT_EQ(p.J.PalabrasJugada, (Lineas{"CAPA"}));

    JuegoDePrueba solo({"PAPA"});
    solo.Fijar(112, 'A');
    solo.Fijar(114, 'A');
    Buscar(solo, "CSO*");
    EXPECT_EQ(solo.J.MejorPuntos, 0);
    EXPECT_EQ(solo.J.MejorFichas, "");
}

TEST(BusquedaJugada, FirstMetWinsAmongEqualScores) {
    JuegoDePrueba alFirst({"AL", "AS"});
    alFirst.Fijar(112, 'A');
    Buscar(alFirst, "LS");
    EXPECT_EQ(alFirst.J.MejorFichas, "-L");

    JuegoDePrueba asFirst({"AS", "AL"});
    asFirst.Fijar(112, 'A');
    Buscar(asFirst, "LS");
    EXPECT_EQ(asFirst.J.MejorFichas, "-S");
    // Row 7 comes before column 7, which offers the same words.
    EXPECT_EQ(asFirst.J.MejorDireccion, 'H');
}

TEST(BusquedaJugada, MissingCrossWordRejectsTheMoveSilently) {
    JuegoDePrueba p({"AL", "ES"});
    p.Fijar(112, 'A');
    p.Fijar(98, 'E');  // above square 113
    Buscar(p, "LS");
    // AL would make EL downwards; ES downwards would make AS across.
    EXPECT_EQ(p.J.MejorFichas, "-S");
    EXPECT_EQ(p.J.MejorInicio, 98);
    EXPECT_EQ(p.J.MejorPuntos, 2);
    EXPECT_TRUE(p.Ventana.Mensajes.empty());

    std::string el = "EL";
    p.J.Lista.IncluirPalabra(el);
    Buscar(p, "LS");
    EXPECT_EQ(p.J.MejorFichas, "-L");
    EXPECT_EQ(p.J.MejorInicio, 112);
    EXPECT_EQ(p.J.MejorPuntos, 4);
    EXPECT_EQ(p.J.Form1.List3, (Lineas{"AL", "1+1=2", "EL", "1+1=2"}));
    EXPECT_TRUE(p.Ventana.Mensajes.empty());
}

TEST(BusquedaJugada, StrideLargerThanTheList) {
    JuegoDePrueba p({"CAPA", "CASA", "COSA"});
    p.Fijar(112, 'A');
    p.Fijar(114, 'A');
    int conJugada = 0;
    for (std::uint64_t semilla = 1; semilla <= 40; ++semilla) {
        ASSERT_NO_FATAL_FAILURE(Buscar(p, "CSO*", 13, semilla));
        conJugada += p.J.MejorPuntos > 0;
    }
    // Only windows whose offset falls on 1..3 see a word at all.
    EXPECT_GT(conJugada, 0);
    EXPECT_LT(conJugada, 40);
}

TEST(BusquedaJugada, EntriesThatAreNotTileLettersAreNeverLaid) {
    // A '*' would make the move check ask for a blank's letter in the middle
    // of the search, a '.' would pass the rack check on a used slot, a '-'
    // would leave its square empty.
    JuegoDePrueba p({"CA*A", "CA.A", "CA-A", "casa"});
    p.Fijar(112, 'A');
    p.Fijar(114, 'A');
    Buscar(p, "CS*.-");
    EXPECT_EQ(p.J.MejorPuntos, 0);
    EXPECT_TRUE(p.Ventana.Mensajes.empty());
    EXPECT_TRUE(p.Ventana.Registro.empty());
}

TEST(BusquedaJugada, TrialChecksStaySilentAndAnUnsetStrideScansEverything) {
    JuegoDePrueba p({"AL", "ES"});
    p.Fijar(112, 'A');
    p.Fijar(98, 'E');
    PonerAtril(p.J, "LS");
    MarcarOcupadas(p.J);
    p.J.Form1.Label1[98].Marca = '3';  // not at rest: every candidate meets the real check
    p.J.PrimeraJugada = false;
    // A caller that left the checks loud: AL's cross word EL would be offered
    // for inclusion.
    p.J.Silencioso = false;
    p.J.PasoBusqueda = 0;  // never set by a level: it would never advance
    BuscarMejorJugada(p.J);
    EXPECT_TRUE(p.Ventana.Mensajes.empty());
    EXPECT_FALSE(p.J.Lista.ExistePalabra("EL"));
    EXPECT_FALSE(p.J.Silencioso) << "left as the caller had it";
    EXPECT_EQ(p.J.MejorFichas, "-S");
    EXPECT_EQ(p.J.MejorInicio, 98);
}

// The opening search on the computer's rack, checked against the described
// loop from the same seed.
std::int16_t BuscarPrimera(JuegoDePrueba& p, std::string_view atril, int paso = 1, std::uint64_t semilla = 1) {
    Juego& j = p.J;
    PonerAtril(j, atril);
    j.PasoBusqueda = static_cast<std::int16_t>(paso);
    j.Azar.Sembrar(semilla);
    const std::int16_t totalReferencia = BuscarMejorPrimeraJugadaReferencia(j);
    const auto referencia = std::make_tuple(j.MejorFichas, j.PalabrasJugada, j.NumPalabrasJugada, j.Form1.List3,
                                            j.PuntosMejor, j.Azar.Siguiente());
    j.Azar.Sembrar(semilla);
    const std::int16_t total = BuscarMejorPrimeraJugada(j);
    Aleatorio azar = j.Azar;
    EXPECT_EQ(std::make_tuple(j.MejorFichas, j.PalabrasJugada, j.NumPalabrasJugada, j.Form1.List3, j.PuntosMejor,
                              azar.Siguiente()),
              referencia);
    EXPECT_EQ(total, totalReferencia);
    EXPECT_EQ(j.Form1.AnchoProgreso, 0);
    return total;
}

TEST(BusquedaPrimeraJugada, LongerWordWithItsDoubleLetter) {
    JuegoDePrueba p({"CASA", "CASERA"});
    EXPECT_EQ(BuscarPrimera(p, "AASCER*"), 18);
    EXPECT_EQ(p.J.MejorFichas, "CASERA");
    EXPECT_EQ(p.J.PalabrasJugada, (Lineas{"CASERA"}));
    EXPECT_EQ(p.J.Form1.List3, (Lineas{"CASERA", "(3+1x2+1+1+1+1)x2=18"}));
    // Squares 107..112: the second letter on the double-letter square 108.
    EXPECT_EQ(InicioPrimeraPalabra(6) + 2, 108);
    EXPECT_EQ(p.J.Form1.Label1[108].Fondo, kLetraX2);
}

TEST(BusquedaPrimeraJugada, SevenLettersEarnTheBonusLine) {
    JuegoDePrueba p({"CASERAS"});
    EXPECT_EQ(BuscarPrimera(p, "CASERAS"), 70);
    EXPECT_EQ(p.J.Form1.List3, (Lineas{"CASERAS", "(3+1+1x2+1+1+1+1)x2=20", "Todas las fichas: +50"}));
    EXPECT_EQ(p.J.PuntosMejor, 70);
}

TEST(BusquedaPrimeraJugada, NotationOfTheFiveLetterExample) {
    JuegoDePrueba p({"ACEID"});  // values 1, 3, 1, 1, 2
    EXPECT_EQ(BuscarPrimera(p, "ACEID"), 18);
    EXPECT_EQ(p.J.Form1.List3, (Lineas{"ACEID", "(1x2+3+1+1+2)x2=18"}));
}

TEST(BusquedaPrimeraJugada, NoWordOfEightLettersNorOfOtherCharacters) {
    JuegoDePrueba p({"CASERONA", "casa", "C*SA"});
    p.J.PuntosMejor = 33;
    EXPECT_EQ(BuscarPrimera(p, "CASERO*"), 0);
    EXPECT_EQ(p.J.MejorFichas, "");
    EXPECT_EQ(p.J.NumPalabrasJugada, 0);
    EXPECT_EQ(p.J.PuntosMejor, 33) << "only a word found writes the total";
}

TEST(BusquedaPrimeraJugada, FirstMetWinsAmongEqualTotals) {
    JuegoDePrueba osaFirst({"OSA", "ASA"});
    BuscarPrimera(osaFirst, "ASOA");
    EXPECT_EQ(osaFirst.J.MejorFichas, "OSA");
    JuegoDePrueba asaFirst({"ASA", "OSA"});
    BuscarPrimera(asaFirst, "ASOA");
    EXPECT_EQ(asaFirst.J.MejorFichas, "ASA");
}

TEST(BusquedaPrimeraJugada, StrideLargerThanTheList) {
    JuegoDePrueba p({"ASA", "OSA", "SAO"});
    int conPalabra = 0;
    for (std::uint64_t semilla = 1; semilla <= 40; ++semilla) conPalabra += BuscarPrimera(p, "ASOA", 13, semilla) > 0;
    EXPECT_GT(conPalabra, 0);
    EXPECT_LT(conPalabra, 40);
}

TEST(BusquedaPrimeraJugada, EveryWordCoversTheCentreAndLongOnesEndOnIt) {
    const int primera[] = {0, 0, 112, 111, 111, 108, 107, 106};  // square of letter 1 by length
    for (int L = 2; L <= 7; ++L) {
        const int inicio = InicioPrimeraPalabra(L);
        EXPECT_EQ(inicio + 1, primera[L]) << L;
        EXPECT_LE(inicio + 1, kCentro);
        EXPECT_GE(inicio + L, kCentro);
        if (L >= 5) {
            EXPECT_EQ(inicio + L, kCentro);
        }
    }
}

}  // namespace
}  // namespace tablerix
