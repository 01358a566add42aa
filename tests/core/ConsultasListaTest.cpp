// The word-list window's queries against a plain scan of the same list: the
// same words, counted and sorted alike (longest, most points, list order),
// capped, and still so after inclusions and removals.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <tuple>

#include "wordlist/ConsultasLista.h"

namespace tablerix {
namespace {

const std::string kPocas = std::string("AEOSCRN") + '\xD1' + "Z";

std::string Aleatoria(std::mt19937& g, const std::string& letras, int minimo, int maximo) {
    std::string w;
    for (int k = minimo + static_cast<int>(g() % (maximo - minimo + 1)); k > 0; --k)
        w += letras[g() % letras.size()];
    return w;
}

bool Encaja(std::string_view patron, std::string_view w) {
    if (patron.empty()) return w.empty();
    if (patron[0] == kVariasLetras)
        return Encaja(patron.substr(1), w) || (!w.empty() && Encaja(patron, w.substr(1)));
    return !w.empty() && (patron[0] == kUnaLetra || patron[0] == w[0]) &&
           Encaja(patron.substr(1), w.substr(1));
}

bool SeFormaCon(std::string fichas, std::string_view w) {
    for (char c : w) {
        auto f = fichas.find(c);
        if (f == std::string::npos) f = fichas.find(kUnaLetra);
        if (f == std::string::npos) return false;
        fichas.erase(f, 1);
    }
    return true;
}

// Every distinct playable word that `vale` accepts, at its first position, sorted and capped.
Encontradas PorRecorrido(const ListaPalabras& lista, const ValoresLetras& valores,
                         const std::function<bool(const std::string&)>& vale) {
    std::vector<std::tuple<int, int, int>> claves;  // -length, -points, position
    std::set<std::string> vistas;
    for (int i = 1; i <= lista.NumPalabras(); ++i) {
        const std::string& w = lista.Palabras()[i];
        if (w.empty() || w.size() > kLongitudMaxima ||
            !std::all_of(w.begin(), w.end(), EsLetraDeFicha) || !vale(w) ||
            !vistas.insert(w).second)
            continue;
        int puntos = 0;
        for (char c : w) puntos += valores[CodigoLetra(c)];
        claves.emplace_back(-static_cast<int>(w.size()), -puntos, i);
    }
    std::sort(claves.begin(), claves.end());
    Encontradas e;
    e.Total = static_cast<int>(claves.size());
    for (size_t k = 0; k < claves.size() && k < kMaximoResultados; ++k)
        e.Palabras.push_back({std::get<2>(claves[k]), -std::get<1>(claves[k])});
    return e;
}

void Comparar(const Encontradas& a, const Encontradas& b) {
    ASSERT_EQ(a.Total, b.Total);
    ASSERT_EQ(a.Palabras.size(), b.Palabras.size());
    for (size_t k = 0; k < a.Palabras.size(); ++k) {
        EXPECT_EQ(a.Palabras[k].Posicion, b.Palabras[k].Posicion) << "row " << k;
        EXPECT_EQ(a.Palabras[k].Puntos, b.Palabras[k].Puntos) << "row " << k;
    }
}

TEST(ConsultasLista, PatternsAndTilesFindWhatAPlainScanFindsAlsoAfterChanges) {
    std::mt19937 g(7);
    ValoresLetras valores{};
    for (int c = 0; c < kLetras; ++c) valores[c] = 1 + c % 5;
    ListaPalabras lista;
    std::string texto;
    for (int i = 0; i < 5000; ++i) texto += Aleatoria(g, kPocas, 2, 9) + "\r\n";
    texto += "CASA\r\nCASA\r\nKIWI\r\ncasa\r\n";  // a duplicate, a W, a small word
    lista.CargarDesdeTexto(texto);
    IndiceBusqueda indice(lista);

    for (int ronda = 0; ronda < 3; ++ronda) {
        SCOPED_TRACE(::testing::Message() << "round " << ronda);
        for (std::string patron : {"*", "C*", "*A*S*", "??", "?A?*", "*\xD1", "CASA", "Z*Z?"}) {
            SCOPED_TRACE(patron);
            Comparar(
                PalabrasConPatron(indice, patron, valores),
                PorRecorrido(lista, valores, [&](const auto& w) { return Encaja(patron, w); }));
        }
        for (int k = 0; k < 20; ++k) {
            const std::string fichas = Aleatoria(g, kPocas + "??", 1, 9);
            const bool todas = k % 2;
            SCOPED_TRACE(fichas + (todas ? " every tile" : ""));
            Comparar(PalabrasConFichas(indice, fichas, todas, valores),
                     PorRecorrido(lista, valores, [&](const auto& w) {
                         return w.size() >= 2 && (!todas || w.size() == fichas.size()) &&
                                SeFormaCon(fichas, w);
                     }));
        }
        // Inclusions shift positions and wait aside in the index; removals
        // leave placeholders. Play and the window include only missing words.
        for (int k = 0; k < 40; ++k) {
            std::string nueva = Aleatoria(g, kPocas, 2, 6);
            if (!lista.ExistePalabra(nueva)) lista.IncluirPalabra(nueva);
            lista.BorrarPalabra(lista.Palabras()[1 + g() % lista.NumPalabras()]);
        }
    }
}

}  // namespace
}  // namespace tablerix
