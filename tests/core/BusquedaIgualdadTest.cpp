// The fast searches against the plain reference loops (BusquedaReferencia) on
// positions from self-play over a sample of the shipped list: the same best
// move, word record, progress fill and random sequence, at strides 1, 5 and 13
// from the same seed, as the list loses vetoed words and gains new ones.
#include <gtest/gtest.h>

#include <fstream>

#include "BusquedaReferencia.h"
#include "JuegoDePrueba.h"
#include "PosicionesAleatorias.h"
#include "computer/Busqueda.h"

namespace tablerix {
namespace {

// All shipped words of up to four letters (they make the cross words) and
// every 200th longer one, with a few entries doubled: about 6,000 entries.
std::string Muestra() {
    std::ifstream archivo(std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal", std::ios::binary);
    std::string linea, texto;
    for (int i = 0; std::getline(archivo, linea); ++i) {
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (linea.size() > 4 && i % 200 != 0) continue;
        texto += linea + "\r\n";
        if (i % 997 == 0) texto += linea + "\r\n";
    }
    return texto;
}

std::string Describir(const Juego& j) {
    std::string s;
    for (int r = 0; r < kLado; ++r)
        s += std::string(j.Posicion.Tablero.data() + r * kLado, kLado) + "|\n";
    s += "rack '";
    for (int k = 1; k <= kRanuras; ++k)
        s += j.Posicion.Atriles[j.Jugada.Turno][k] ? j.Posicion.Atriles[j.Jugada.Turno][k] : '_';
    return s + "' stride " + std::to_string(j.Posicion.PasoBusqueda);
}

// One series of self-play positions; on each, a fresh rack of either side (now
// and then short, as at the end of the bag, up to two blanks) searched by both
// move searches and both opening searches at strides 1, 5 and 13 from one seed.
// Now and then the first-move flag is left set, so that the move check refuses
// what the board alone would allow. After each position the words of the last
// best move are vetoed and a word of the board's letters is included.
class BusquedaIgualdad : public ::testing::TestWithParam<int> {};

TEST_P(BusquedaIgualdad, SameResultsAsTheReferenceLoops) {
    JuegoDePrueba p;
    Juego& j = p.J;
    static const std::string muestra = Muestra();
    j.Lista.CargarDesdeTexto(muestra);
    std::mt19937_64 g(GetParam());
    int conJugada = 0, conPalabra = 0;
    const int posiciones = 50;
    for (int n = 0; n < posiciones; ++n) {
        JugarPartidaAleatoria(j, g, 1 + static_cast<int>(g() % 14));
        j.Jugada.Turno = static_cast<std::int16_t>(1 + g() % 2);
        RepartirAtril(j, g, g() % 6 == 0 ? 3 + static_cast<int>(g() % 4) : 7, 2);
        j.Posicion.PrimeraJugada = n % 10 == 9;
        const std::uint64_t semilla = g();
        for (int paso : {1, 5, 13}) {
            j.Posicion.PasoBusqueda = static_cast<std::int16_t>(paso);
            SCOPED_TRACE(Describir(j) + " position " + std::to_string(n));
            const auto primera = Ejecutar(j, semilla, BuscarMejorPrimeraJugadaReferencia);
            ASSERT_EQ(Ejecutar(j, semilla, BuscarMejorPrimeraJugada), primera);
            conPalabra += j.Busqueda.PuntosMejor > 0;
            const auto referencia = Ejecutar(j, semilla, BuscarMejorJugadaReferencia);
            ASSERT_EQ(Ejecutar(j, semilla, BuscarMejorJugada), referencia);
            conJugada += j.Busqueda.MejorPuntos > 0;
        }
        for (const std::string& palabra : j.Busqueda.PalabrasJugada) j.Lista.BorrarPalabra(palabra);
        std::string nueva;
        for (int k = 0; k < 2 + n % 4; ++k)
            nueva += j.Posicion.Tablero[112 + k] != ' ' ? j.Posicion.Tablero[112 + k] : 'A';
        nueva += "S";
        if (!j.Lista.ExistePalabra(nueva)) j.Lista.IncluirPalabra(nueva);
    }
    EXPECT_GT(conJugada, 2 * posiciones) << "most searches should find a move";
    EXPECT_GT(conPalabra, 2 * posiciones) << "most racks should spell an opening word";
}

INSTANTIATE_TEST_SUITE_P(Series, BusquedaIgualdad, ::testing::Values(101, 202, 303, 404));

}  // namespace
}  // namespace tablerix
