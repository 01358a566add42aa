// The search index following its list, against a plain scan of the same
// entries: every entry that fits a pattern and a rack is met, with its
// position, and nothing else; also after inclusions (positions shift) and
// removals, and across a rebuild.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "wordlist/IndiceBusqueda.h"

namespace tablerix {
namespace {

using Encuentros = std::set<std::pair<std::string, int>>;

Encuentros PorIndice(const IndiceBusqueda& indice, const Restricciones& r) {
    Encuentros e;
    indice.Recorrer(r, [&](const std::uint8_t* letras, Posiciones ps) {
        std::string palabra;
        for (int k = 0; k < r.Longitud; ++k) palabra += LetraDeCodigo(letras[k]);
        for (int anterior = 0; int p : ps) {
            EXPECT_GT(p, anterior) << "positions of a word ascend";
            e.emplace(palabra, anterior = p);
        }
    });
    return e;
}

Encuentros PorRecorrido(const std::vector<std::string>& palabras, const Restricciones& r) {
    Encuentros e;
    for (std::size_t i = 1; i < palabras.size(); ++i) {
        const std::string& w = palabras[i];
        auto atril = r.Atril;
        int blancos = r.Blancos;
        bool cabe = static_cast<int>(w.size()) == r.Longitud;
        for (int d = 0; d < r.Longitud && cabe; ++d) {
            const int c = CodigoLetra(w[d]);
            if (c < 0)
                cabe = false;
            else if (r.Fija[d] >= 0)
                cabe = r.Fija[d] == c;
            else if (!(r.Permitidas[d] >> c & 1u))
                cabe = false;
            else if (atril[c] > 0)
                --atril[c];
            else
                cabe = blancos-- > 0;
        }
        if (cabe) e.emplace(w, static_cast<int>(i));
    }
    return e;
}

// Over a small alphabet, so that patterns hit often.
const std::string kAlfabeto = std::string("AEOSCRN") + '\xD1' + "Z";

std::string PalabraAleatoria(std::mt19937& g) {
    std::string w;
    for (int k = 2 + g() % 5; k > 0; --k) w += kAlfabeto[g() % kAlfabeto.size()];
    return w;
}

void ComprobarIgual(const IndiceBusqueda& indice, const ListaPalabras& lista, std::mt19937& g) {
    auto letra = [&] { return CodigoLetra(kAlfabeto[g() % kAlfabeto.size()]); };
    for (int k = 0; k < 300; ++k) {
        Restricciones r;
        r.Longitud = 2 + static_cast<int>(g() % 5);
        for (int d = 0; d < r.Longitud; ++d) {
            r.Fija[d] = static_cast<std::int8_t>(g() % 4 == 0 ? letra() : -1);
            r.Permitidas[d] = g() % 4 == 0 ? (g() & kTodasLasLetras) : kTodasLasLetras;
        }
        for (int t = 0; t < 5; ++t) ++r.Atril[letra()];
        r.Blancos = g() % 4 == 0;
        ASSERT_EQ(PorIndice(indice, r), PorRecorrido(lista.Palabras(), r)) << "query " << k;
    }
}

TEST(IndiceBusqueda, MeetsWhatAPlainScanAcceptsThroughInclusionsRemovalsAndRebuild) {
    // Duplicates, a lower-case entry, a non-letter and a placeholder among them.
    std::mt19937 g(7);
    std::string texto = "casa\nCA*A\n" + ListaPalabras::kMarcaBorrada + "\n";
    for (int i = 0; i < 3000; ++i) {
        const std::string w = PalabraAleatoria(g) + "\n";
        texto += i % 17 == 0 ? w + w : w;
    }
    ListaPalabras lista;
    IndiceBusqueda indice(lista);
    lista.CargarDesdeTexto(texto);
    ComprobarIgual(indice, lista, g);
    // A new word, the equal of an entry, or a removal; an inclusion shifts
    // every later position.
    for (int paso = 0; paso < 60; ++paso) {
        std::string w = lista.Palabras()[1 + g() % lista.NumPalabras()];
        if (g() % 3 == 0)
            lista.BorrarPalabra(w);
        else if (g() % 2 == 0)
            lista.IncluirPalabra(w);
        else
            lista.IncluirPalabra(w = PalabraAleatoria(g));
    }
    EXPECT_GT(indice.NumAnadidas(), 0);
    ComprobarIgual(indice, lista, g);
    for (int incluidas = indice.NumAnadidas(); incluidas < 2050;) {
        std::string w = PalabraAleatoria(g) + PalabraAleatoria(g);
        if (lista.ExistePalabra(w)) continue;
        lista.IncluirPalabra(w);
        ++incluidas;
    }
    EXPECT_EQ(indice.NumAnadidas(), 2050 - 2001) << "rebuilt at the 2001st";
    ComprobarIgual(indice, lista, g);
}

TEST(IndiceBusqueda, CrossLettersSeeOnlyLiveEntries) {
    ListaPalabras lista;
    IndiceBusqueda indice(lista);
    lista.CargarDesdeTexto("CASA\nCAPA\nCAPA\nCOSA\nCASAS\ncasa\nCA*A\n");
    auto letras = [&](std::string_view antes, std::string_view despues) {
        std::string s;
        for (int c = 0; c < kLetras; ++c)
            if (indice.LetrasQueCompletan(antes, despues) >> c & 1u) s += LetraDeCodigo(c);
        return s;
    };
    EXPECT_EQ(letras("CA", "A") + letras("", "ASA") + letras("CASA", ""), "PSCS");
    lista.BorrarPalabra("CAPA");
    EXPECT_EQ(letras("CA", "A"), "PS") << "one of two equal entries is left";
    lista.BorrarPalabra("CAPA");
    std::string cana =
        "CA\xD1"
        "A";
    lista.IncluirPalabra(cana);
    EXPECT_EQ(letras("CA", "A"), "\xD1S");
}

}  // namespace
}  // namespace tablerix
