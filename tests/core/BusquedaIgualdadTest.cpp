// The fast searches against the described loops (BusquedaReferencia) on
// positions from self-play over a sample of the shipped list: the same best
// move, word record, progress fill and random sequence, at strides 1, 5 and 13,
// also after inclusions and removals and when every candidate must go through
// the real move check.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "BusquedaReferencia.h"
#include "JuegoDePrueba.h"
#include "PosicionesAleatorias.h"
#include "computer/Busqueda.h"

namespace tablerix {
namespace {

// All shipped words of up to four letters (they make the cross words) and
// every 30th longer one, with a few entries doubled: about 23,000 entries.
const std::string& Muestra() {
    static const std::string muestra = [] {
        std::ifstream archivo(std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal", std::ios::binary);
        std::string linea, texto;
        for (int i = 0; std::getline(archivo, linea); ++i) {
            if (!linea.empty() && linea.back() == '\r') linea.pop_back();
            if (linea.size() > 4 && i % 30 != 0) continue;
            texto += linea + "\r\n";
            if (i % 997 == 0) texto += linea + "\r\n";
        }
        return texto;
    }();
    return muestra;
}

struct Resultado {
    std::int16_t MejorPuntos, MejorInicio, PuntosMejor, NumPalabrasJugada;
    std::string MejorFichas;
    char MejorDireccion;
    std::vector<std::string> PalabrasJugada, List3;
    int AnchoProgreso;
    double SiguienteAzar;
    bool TableroIntacto;

    bool operator==(const Resultado&) const = default;
};

std::ostream& operator<<(std::ostream& o, const Resultado& r) {
    o << r.MejorPuntos << " at " << r.MejorInicio << r.MejorDireccion << " '" << r.MejorFichas << "' total "
      << r.PuntosMejor << " words " << r.NumPalabrasJugada << " [";
    for (const auto& l : r.List3) o << l << " | ";
    return o << "] fill " << r.AnchoProgreso << " next " << r.SiguienteAzar << (r.TableroIntacto ? "" : " BOARD CHANGED");
}

template <class Busqueda>
Resultado Ejecutar(Juego& j, std::uint64_t semilla, Busqueda buscar) {
    const auto antes = j.Form1.Label1;
    j.Form1.List3 = {"anterior"};  // neither search clears what it does not replace
    j.PuntosMejor = -1;
    j.Silencioso = true;
    j.Azar.Sembrar(semilla);
    buscar(j);
    bool intacto = true;
    for (int q = 0; q < kCasillas; ++q)
        intacto &= antes[q].Letra == j.Form1.Label1[q].Letra && antes[q].Marca == j.Form1.Label1[q].Marca;
    return {j.MejorPuntos, j.MejorInicio, j.PuntosMejor, j.NumPalabrasJugada, j.MejorFichas, j.MejorDireccion,
            j.PalabrasJugada, j.Form1.List3, j.Form1.AnchoProgreso, j.Azar.Siguiente(), intacto};
}

std::string Describir(const Juego& j) {
    std::ostringstream o;
    for (int r = 0; r < kLado; ++r) o << std::string(j.Tablero.data() + r * kLado, kLado) << "|\n";
    o << "rack '";
    for (int k = 1; k <= kRanuras; ++k) o << (j.Atriles[j.Turno][k] ? j.Atriles[j.Turno][k] : '_');
    return o.str() + "' stride " + std::to_string(j.PasoBusqueda);
}

class BusquedaIgualdad : public ::testing::Test {
protected:
    BusquedaIgualdad() { P.J.Lista.CargarDesdeTexto(Muestra()); }

    void CompararJugada() {
        const std::uint64_t semilla = g();
        Resultado rapida = Ejecutar(P.J, semilla, BuscarMejorJugada);
        Resultado referencia = Ejecutar(P.J, semilla, BuscarMejorJugadaReferencia);
        ASSERT_EQ(rapida, referencia) << Describir(P.J);
        conJugada += rapida.MejorPuntos > 0;
    }

    // Positions from self-play; on each, a fresh rack of either side (now and
    // then short, as at the end of the bag) at strides 1, 5 and 13.
    void CompararEnPosiciones(int posiciones) {
        for (int p = 0; p < posiciones; ++p) {
            JugarPartidaAleatoria(P.J, g, 1 + static_cast<int>(g() % 14));
            P.J.Turno = static_cast<std::int16_t>(1 + g() % 2);
            RepartirAtril(P.J, g, g() % 6 == 0 ? 3 + static_cast<int>(g() % 4) : 7, 2);
            for (int paso : {1, 5, 13}) {
                P.J.PasoBusqueda = static_cast<std::int16_t>(paso);
                ASSERT_NO_FATAL_FAILURE(CompararJugada()) << "position " << p;
            }
        }
        EXPECT_GT(conJugada, posiciones) << "most searches should find a move";
    }

    JuegoDePrueba P;
    std::mt19937_64 g{1};
    int conJugada = 0;
};

TEST_F(BusquedaIgualdad, MidGamePositionsFirstSeries) {
    g.seed(101);
    CompararEnPosiciones(100);
}

TEST_F(BusquedaIgualdad, MidGamePositionsSecondSeries) {
    g.seed(202);
    CompararEnPosiciones(100);
}

TEST_F(BusquedaIgualdad, MidGamePositionsThirdSeries) {
    g.seed(303);
    CompararEnPosiciones(100);
}

TEST_F(BusquedaIgualdad, AfterInclusionsAndRemovals) {
    g.seed(404);
    for (int ronda = 0; ronda < 30; ++ronda) {
        JugarPartidaAleatoria(P.J, g, 2 + static_cast<int>(g() % 10));
        P.J.Turno = 2;
        RepartirAtril(P.J, g, 7, 2);
        P.J.PasoBusqueda = 1;
        ASSERT_NO_FATAL_FAILURE(CompararJugada());
        // The user vetoes the proposed words, and a word made of the board's
        // letters comes in, as the move check includes a player's word.
        for (const std::string& palabra : P.J.PalabrasJugada) P.J.Lista.BorrarPalabra(palabra);
        std::string nueva;
        for (int k = 0; k < 2 + ronda % 4; ++k) nueva += P.J.Tablero[112 + k] != ' ' ? P.J.Tablero[112 + k] : 'A';
        nueva += "S";
        if (!P.J.Lista.ExistePalabra(nueva)) P.J.Lista.IncluirPalabra(nueva);
        for (int paso : {1, 5, 13}) {
            P.J.PasoBusqueda = static_cast<std::int16_t>(paso);
            ASSERT_NO_FATAL_FAILURE(CompararJugada()) << "round " << ronda;
        }
    }
}

TEST_F(BusquedaIgualdad, DisplayNotAtRestGoesThroughTheRealCheck) {
    // With the first-move flag still set the move check refuses what the
    // board alone would allow; both searches must see that.
    g.seed(505);
    for (int p = 0; p < 15; ++p) {
        JugarPartidaAleatoria(P.J, g, static_cast<int>(g() % 4));
        RepartirAtril(P.J, g, 7, 1);
        P.J.PrimeraJugada = true;
        for (int paso : {1, 13}) {
            P.J.PasoBusqueda = static_cast<std::int16_t>(paso);
            ASSERT_NO_FATAL_FAILURE(CompararJugada()) << "position " << p;
        }
    }
}

TEST_F(BusquedaIgualdad, OpeningSearch) {
    g.seed(606);
    int conPalabra = 0;
    for (int p = 0; p < 200; ++p) {
        P.J.Turno = static_cast<std::int16_t>(1 + g() % 2);
        RepartirAtril(P.J, g, 7, static_cast<int>(g() % 3));
        for (int paso : {1, 5, 13}) {
            P.J.PasoBusqueda = static_cast<std::int16_t>(paso);
            const std::uint64_t semilla = g();
            std::int16_t total = 0, totalReferencia = 0;
            Resultado rapida = Ejecutar(P.J, semilla, [&](Juego& j) { total = BuscarMejorPrimeraJugada(j); });
            Resultado referencia =
                Ejecutar(P.J, semilla, [&](Juego& j) { totalReferencia = BuscarMejorPrimeraJugadaReferencia(j); });
            ASSERT_EQ(rapida, referencia) << Describir(P.J);
            ASSERT_EQ(total, totalReferencia);
            conPalabra += total > 0;
        }
    }
    EXPECT_GT(conPalabra, 300);
}

}  // namespace
}  // namespace tablerix
