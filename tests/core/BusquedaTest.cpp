// The move search and the opening search on small boards whose outcome is
// known, each run beside the plain reference loops from the same seed.
#include <gtest/gtest.h>

#include <set>

#include "BusquedaReferencia.h"
#include "JuegoDePrueba.h"
#include "app/Turno.h"
#include "computer/Busqueda.h"
#include "computer/Recomendacion.h"

namespace tablerix {
namespace {

using Lineas = std::vector<std::string>;

// `palabras` separated by spaces; the computer to move with `atril`.
void Preparar(JuegoDePrueba& p, std::string palabras, std::string_view atril, int paso = 1) {
    std::replace(palabras.begin(), palabras.end(), ' ', '\n');
    p.J.Lista.CargarDesdeTexto(palabras + "\n");
    p.J.Jugada.Turno = kTurnoOrdenador;
    prueba::DarAtril(p.J, kTurnoOrdenador, Txt(atril));
    p.MarcarOcupadas();
    p.J.Posicion.PrimeraJugada = false;
    p.J.Posicion.PasoBusqueda = static_cast<std::int16_t>(paso);
}

// The fast search and the plain reference loops from the same seed must agree; the
// fast one's record stays in p.J. Returns the opening search's total.
int Comparar(JuegoDePrueba& p, auto rapida, auto referencia, std::uint64_t semilla = 1) {
    const auto esperado = Ejecutar(p.J, semilla, referencia);
    EXPECT_EQ(Ejecutar(p.J, semilla, rapida), esperado);
    return std::get<0>(esperado);
}

// How many numbers the last search drew from `semilla`: one per window tried.
int Sorteos(Juego& j, std::uint64_t semilla) {
    const double siguiente = j.Azar.Siguiente();
    Aleatorio copia(semilla);
    for (int n = 0; n < 5000; ++n)
        if (copia.Siguiente() == siguiente) return n;
    return -1;
}

TEST(BusquedaJugada, BestMoveAndWindowsOnSmallBoards) {
    struct Caso {
        const char* palabras;
        const char* atril;
        std::vector<std::pair<int, char>> fijas;
        const char* jugada;  // tiles, first square and direction, points
        Lineas lineas;
        int ventanas;
    } casos[] = {
        // Windows hold 1 to 7 open squares and touch no letter at either end.
        // Row 7 around CASA: from column 0..6 to column 9..14 (31); each column
        // 6..9 likewise (35); no other line holds a letter.
        {"CASA",
         "XXXXXXX",
         {{111, 'C'}, {112, 'A'}, {113, 'S'}, {114, 'A'}},
         " 0 0",
         {"anterior"},
         31 + 4 * 35},
        // ?A?A from square 111: PAPA comes first and would score as much as CAPA
        // but needs two blanks; the blank scores as the P it stands for.
        {"PAPA CAPA CASA",
         "CSO*",
         {{112, 'A'}, {114, 'A'}},
         "C-P- 111H 8",
         {"CAPA", "3+1+3+1=8"},
         0},
        // First met wins among equal scores; row 7 comes before column 7. Row 7
        // and column 7 give 35 windows each; the whole line (14 open) never.
        {"AS AL", "LS", {{112, 'A'}}, "-S 112H 2", {"AS", "1+1=2"}, 2 * 35},
        // E above square 113: AL would make EL downwards, not a word, and is
        // rejected silently; ES goes across from the E. The E's row and column
        // give 34 windows each: it stands 6 squares from an edge.
        {"AL ES", "LS", {{112, 'A'}, {98, 'E'}}, "-S 98H 2", {"ES", "1+1=2"}, 2 * 35 + 2 * 34},
        {"AL ES EL",
         "LS",
         {{112, 'A'}, {98, 'E'}},
         "-L 112H 4",
         {"AL", "1+1=2", "EL", "1+1=2"},
         2 * 35 + 2 * 34},
        // Only tile letters are laid: a '*' would make the move check ask for a
        // blank's letter, a '.' would pass the rack check on a used slot, a '-'
        // would leave its square empty.
        {"CA*A CA.A CA-A casa", "CS*.-", {{112, 'A'}, {114, 'A'}}, " 0 0", {"anterior"}, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.palabras) + " / " + c.atril);
        JuegoDePrueba p;
        for (auto [casilla, letra] : c.fijas) p.Fijar(casilla, letra);
        Preparar(p, c.palabras, c.atril);
        Comparar(p, BuscarMejorJugada, BuscarMejorJugadaReferencia);
        const Juego& j = p.J;
        EXPECT_EQ(j.Busqueda.MejorFichas + " " + std::to_string(j.Busqueda.MejorInicio) +
                      std::string(j.Busqueda.MejorDireccion != 0, j.Busqueda.MejorDireccion) + " " +
                      std::to_string(j.Busqueda.MejorPuntos),
                  c.jugada);
        EXPECT_EQ(j.Form1.List3, c.lineas);
        if (c.ventanas) {
            EXPECT_EQ(Sorteos(p.J, 1), c.ventanas);
        }
        EXPECT_TRUE(p.Ventana.Mensajes.empty() && p.Ventana.Registro.empty());
    }
}

TEST(BusquedaJugada, TrialChecksStaySilentAndAnUnsetStrideScansEverything) {
    JuegoDePrueba p;
    p.Fijar(112, 'A');
    p.Fijar(98, 'E');
    Preparar(p, "AL ES", "LS", 0);     // a stride never set by a level would never advance
    p.J.Form1.Label1[98].Marca = '3';  // not at rest: every candidate meets the real check
    p.J.Jugada.Silencioso = false;  // left loud by the caller: AL's cross word EL would be offered
    BuscarMejorJugada(p.J);
    EXPECT_TRUE(p.Ventana.Mensajes.empty() && !p.J.Lista.ExistePalabra("EL"));
    EXPECT_FALSE(p.J.Jugada.Silencioso) << "left as the caller had it";
    EXPECT_EQ(p.J.Busqueda.MejorFichas + " " + std::to_string(p.J.Busqueda.MejorInicio), "-S 98");
}

// Only a display at rest takes the fast path; a turn or a recommendation that
// left it otherwise would still find the same moves, many times slower.
class VentanaQueMiraElReposo : public VentanaGuionizada {
  public:
    const Juego* J = nullptr;
    std::vector<bool> EnReposo;  // at each word put to the user, right after the search
    Respuesta MostrarMensaje(const std::string& texto, Icono icono, bool conCancelar,
                             Respuesta porDefecto) override {
        if (texto.starts_with(Txt("¿Aceptas"))) EnReposo.push_back(PantallaEnReposo(*J));
        return VentanaGuionizada::MostrarMensaje(texto, icono, conCancelar, porDefecto);
    }
};

TEST(BusquedaJugada, TheComputersTurnAndARecommendationSearchFromADisplayAtRest) {
    for (int lado : {kTurnoJugador, kTurnoOrdenador}) {
        JuegoDePruebaCon<VentanaQueMiraElReposo> p({"CASA", "CASAS"});
        p.Ventana.J = &p.J;
        p.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
        p.Fijar(110, "CASA");
        p.J.Posicion.PrimeraJugada = false;
        p.J.Posicion.PasoBusqueda = 1;
        prueba::DarAtril(p.J, lado, "SEEEEEE");
        if (lado == kTurnoJugador)
            Recomendar(p.J);
        else
            Pasar(p.J);
        EXPECT_EQ(p.Ventana.EnReposo, std::vector<bool>{true}) << lado;
    }
}

TEST(BusquedaJugada, StrideLargerThanTheList) {
    JuegoDePrueba p;
    p.Fijar(112, 'A');
    p.Fijar(114, 'A');
    Preparar(p, "CAPA CASA COSA", "CSO*", 13);  // COSA alone spells an opening
    std::set<bool> conJugada, conPalabra;
    for (std::uint64_t semilla = 1; semilla <= 40; ++semilla) {
        Comparar(p, BuscarMejorJugada, BuscarMejorJugadaReferencia, semilla);
        conJugada.insert(p.J.Busqueda.MejorPuntos > 0);
        conPalabra.insert(
            Comparar(p, BuscarMejorPrimeraJugada, BuscarMejorPrimeraJugadaReferencia, semilla) > 0);
    }
    // Only an offset that falls on the list sees a word at all.
    EXPECT_EQ(conJugada, (std::set<bool>{false, true}));
    EXPECT_EQ(conPalabra, (std::set<bool>{false, true}));
}

TEST(BusquedaPrimeraJugada, BestWordItsPlaceNotationAndTotal) {
    struct Caso {
        const char* palabras;
        const char* atril;
        int total;
        int primera;  // square of its first letter: it covers the centre, a long one ends there
        Lineas lineas;
    } casos[] = {
        {"ACEID", "ACEID", 18, 108, {"ACEID", "(1x2+3+1+1+2)x2=18"}},
        // The longer word, its letter L - 4 on the double-letter square.
        {"CASA CASERA", "AASCER*", 18, 107, {"CASERA", "(3+1x2+1+1+1+1)x2=18"}},
        {"CASERAS",
         "CASERAS",
         70,
         106,
         {"CASERAS", "(3+1+1x2+1+1+1+1)x2=20", "Todas las fichas: +50"}},
        // First met wins among equal totals.
        {"OSA ASA", "ASOA", 6, 111, {"OSA", "(1+1+1)x2=6"}},
        {"AS", "AS", 4, 112, {"AS", "(1+1)x2=4"}},
        // No word of eight letters nor of other characters; nothing found
        // leaves the total and the lines as they were.
        {"CASERONA casa C*SA", "CASERO*", 0, 0, {"anterior"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.palabras);
        JuegoDePrueba p;
        Preparar(p, c.palabras, c.atril);
        EXPECT_EQ(Comparar(p, BuscarMejorPrimeraJugada, BuscarMejorPrimeraJugadaReferencia),
                  c.total);
        EXPECT_EQ(p.J.Form1.List3, c.lineas);
        if (c.total) {
            EXPECT_EQ(InicioPrimeraPalabra(static_cast<int>(p.J.Busqueda.MejorFichas.size())) + 1,
                      c.primera);
        }
    }
}

}  // namespace
}  // namespace tablerix
