// The search index against a plain scan of the same entries: every entry that
// fits a pattern and a rack is met, with its position, and nothing else; also
// after inclusions (positions shift) and removals, and across a rebuild.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "wordlist/IndiceBusqueda.h"

namespace tablerix {
namespace {

using Encuentros = std::set<std::pair<std::string, int>>;

std::string Palabra(const std::uint8_t* letras, int n) {
    std::string p;
    for (int k = 0; k < n; ++k) p += LetraDeCodigo(letras[k]);
    return p;
}

Encuentros PorIndice(const IndiceBusqueda& indice, const Restricciones& r) {
    Encuentros e;
    indice.Recorrer(r, [&](const std::uint8_t* letras, Posiciones ps) {
        int anterior = 0;
        for (int p : ps) {
            EXPECT_GT(p, anterior) << "positions of a word ascend";
            anterior = p;
            e.emplace(Palabra(letras, r.Longitud), p);
        }
    });
    return e;
}

Encuentros PorRecorrido(const std::vector<std::string>& palabras, const Restricciones& r) {
    Encuentros e;
    for (std::size_t i = 1; i < palabras.size(); ++i) {
        const std::string& w = palabras[i];
        if (static_cast<int>(w.size()) != r.Longitud) continue;
        auto atril = r.Atril;
        int blancos = r.Blancos;
        bool cabe = true;
        for (int d = 0; d < r.Longitud && cabe; ++d) {
            int c = CodigoLetra(w[d]);
            if (c < 0) cabe = false;
            else if (r.Fija[d] >= 0) cabe = r.Fija[d] == c;
            else if (!(r.Permitidas[d] >> c & 1u)) cabe = false;
            else if (atril[c] > 0) --atril[c];
            else cabe = blancos-- > 0;
        }
        if (cabe) e.emplace(w, static_cast<int>(i));
    }
    return e;
}

// Entries over a small alphabet so that patterns hit often; duplicates, a
// lower-case entry, a non-letter, an empty entry and a placeholder among them.
std::string PalabraAleatoria(std::mt19937& g) {
    const std::string letras = std::string("AEOSCRN") + '\xD1' + "Z";
    std::uniform_int_distribution<int> largo(2, 6), letra(0, static_cast<int>(letras.size()) - 1);
    std::string w;
    for (int k = largo(g); k > 0; --k) w += letras[letra(g)];
    return w;
}

std::vector<std::string> ListaAleatoria(std::mt19937& g, int n) {
    std::vector<std::string> v{std::string()};
    for (int i = 0; i < n; ++i) {
        std::string w = PalabraAleatoria(g);
        v.push_back(w);
        if (i % 17 == 0) v.push_back(w);  // duplicate
    }
    v.insert(v.begin() + 5, "casa");
    v.insert(v.begin() + 9, "CA*A");
    v.insert(v.begin() + 12, "");
    v.insert(v.begin() + 20, std::string(30, 'W'));
    return v;
}

Restricciones RestriccionAleatoria(std::mt19937& g) {
    const std::string letras = std::string("AEOSCRN") + '\xD1' + "Z";
    std::uniform_int_distribution<int> largo(2, 6), letra(0, static_cast<int>(letras.size()) - 1), moneda(0, 3);
    Restricciones r;
    r.Longitud = largo(g);
    for (int d = 0; d < r.Longitud; ++d) {
        r.Fija[d] = moneda(g) == 0 ? static_cast<std::int8_t>(CodigoLetra(letras[letra(g)])) : -1;
        r.Permitidas[d] = moneda(g) == 0 ? (g() & kTodasLasLetras) : kTodasLasLetras;
    }
    for (int k = 0; k < 5; ++k) ++r.Atril[CodigoLetra(letras[letra(g)])];
    r.Blancos = moneda(g) == 0 ? 1 : 0;
    return r;
}

void ComprobarIgual(const IndiceBusqueda& indice, const std::vector<std::string>& lista, std::mt19937& g) {
    for (int k = 0; k < 300; ++k) {
        Restricciones r = RestriccionAleatoria(g);
        ASSERT_EQ(PorIndice(indice, r), PorRecorrido(lista, r)) << "consulta " << k;
    }
}

TEST(IndiceBusqueda, LetterCodesFollowTheAlphabetWithEnieAfterN) {
    EXPECT_EQ(CodigoLetra('A'), 0);
    EXPECT_EQ(CodigoLetra('N'), 13);
    EXPECT_EQ(CodigoLetra('\xD1'), 14);
    EXPECT_EQ(CodigoLetra('O'), 15);
    EXPECT_EQ(CodigoLetra('Z'), 25);
    for (char c : {'W', 'a', '*', ' ', '.', '-', '\xF1'}) EXPECT_EQ(CodigoLetra(c), -1) << c;
    for (int c = 0; c < kLetras; ++c) EXPECT_EQ(CodigoLetra(LetraDeCodigo(c)), c);
}

TEST(IndiceBusqueda, MeetsExactlyTheEntriesAPlainScanAccepts) {
    std::mt19937 g(7);
    std::vector<std::string> lista = ListaAleatoria(g, 3000);
    IndiceBusqueda indice;
    indice.Construir(lista);
    ComprobarIgual(indice, lista, g);
}

TEST(IndiceBusqueda, FollowsInclusionsAndRemovals) {
    std::mt19937 g(11);
    std::vector<std::string> lista = ListaAleatoria(g, 2000);
    IndiceBusqueda indice;
    indice.Construir(lista);
    std::uniform_int_distribution<int> moneda(0, 2);
    for (int paso = 0; paso < 60; ++paso) {
        int n = static_cast<int>(lista.size()) - 1;
        if (moneda(g) > 0) {
            // Include: a new word, or the equal of an entry (it lands next to it).
            std::string w = moneda(g) == 0 ? lista[1 + g() % n] : PalabraAleatoria(g);
            int posicion = 1 + static_cast<int>(g() % (n + 1));
            lista.insert(lista.begin() + posicion, w);
            indice.Incluida(posicion, w);
        } else {
            int posicion = 1 + static_cast<int>(g() % n);
            std::string w = lista[posicion];
            lista[posicion] = std::string(30, 'W');
            indice.Borrada(posicion, w);
        }
    }
    EXPECT_GT(indice.NumAnadidas(), 0);
    ComprobarIgual(indice, lista, g);

    indice.Construir(lista);
    EXPECT_EQ(indice.NumAnadidas(), 0);
    ComprobarIgual(indice, lista, g);
}

TEST(IndiceBusqueda, CrossLettersAndLookupSeeOnlyLiveEntries) {
    std::vector<std::string> lista{"", "CASA", "CAPA", "CAPA", "COSA", "CASAS", "casa", "CA*A"};
    IndiceBusqueda indice;
    indice.Construir(lista);
    auto mascara = [](std::string letras) {
        std::uint32_t m = 0;
        for (char c : letras) m |= 1u << CodigoLetra(c);
        return m;
    };
    EXPECT_EQ(indice.LetrasQueCompletan("CA", "A"), mascara("SP"));
    EXPECT_EQ(indice.LetrasQueCompletan("", "ASA"), mascara("C"));
    EXPECT_EQ(indice.LetrasQueCompletan("CASA", ""), mascara("S"));
    EXPECT_EQ(indice.LetrasQueCompletan("XX", "X"), 0u);
    EXPECT_FALSE(indice.Existe("casa"));
    EXPECT_FALSE(indice.Existe("CA*A"));

    // One of two equal entries removed: still there; both removed: gone.
    lista[2] = std::string(30, 'W');
    indice.Borrada(2, "CAPA");
    EXPECT_TRUE(indice.Existe("CAPA"));
    lista[3] = std::string(30, 'W');
    indice.Borrada(3, "CAPA");
    EXPECT_FALSE(indice.Existe("CAPA"));
    EXPECT_EQ(indice.LetrasQueCompletan("CA", "A"), mascara("S"));

    // An included word is found, and shifts the later ones.
    lista.insert(lista.begin() + 2, "CA\xD1""A");
    indice.Incluida(2, "CA\xD1""A");
    EXPECT_EQ(indice.LetrasQueCompletan("CA", "A"), mascara("S\xD1"));
    Restricciones r;
    r.Longitud = 5;
    for (int d = 0; d < 4; ++d) r.Fija[d] = static_cast<std::int8_t>(CodigoLetra("CASA"[d]));
    r.Fija[4] = -1;
    r.Blancos = 1;
    r.Permitidas[4] = kTodasLasLetras;
    EXPECT_EQ(PorIndice(indice, r), (Encuentros{{"CASAS", 6}}));
}

}  // namespace
}  // namespace tablerix

namespace tablerix {
namespace {

TEST(IndiceBusqueda, FollowingAListItRebuildsAfterManyInclusions) {
    ListaPalabras lista;
    IndiceBusqueda indice(lista);
    lista.CargarDesdeTexto("CASA\r\nCOSA\r\nCOSA\r\n");
    EXPECT_TRUE(indice.Existe("COSA"));
    std::mt19937 g(3);
    int incluidas = 0;
    while (incluidas < 2050) {
        std::string w = PalabraAleatoria(g) + PalabraAleatoria(g);
        if (lista.ExistePalabra(w) || w.size() > kLongitudMaxima) continue;
        lista.IncluirPalabra(w);
        ++incluidas;
    }
    EXPECT_EQ(indice.NumAnadidas(), 2050 - 2001) << "rebuilt at the 2001st";
    lista.BorrarPalabra("COSA");
    ComprobarIgual(indice, lista.Palabras(), g);
}

}  // namespace
}  // namespace tablerix
