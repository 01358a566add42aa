#pragma once
// Index of the word list for the computer's searches. For each word length, a
// trie over the entries made only of tile letters; its leaves keep the
// positions of the entries (duplicates included) in ascending order. A search
// walks it with a pattern and a rack and meets only the entries that can fit.
// It follows its list through ObservadorLista: an inclusion shifts the later
// positions and is kept aside until the next rebuild, a removal drops its
// position, a reload rebuilds the whole index.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/Alfabeto.h"
#include "wordlist/ListaPalabras.h"

namespace tablerix {

constexpr std::uint32_t kTodasLasLetras = (1u << kLetras) - 1;
constexpr int kLongitudMaxima = 15;  // a board line

// Bits set in x. std::popcount calls into the runtime library on targets
// without a popcount instruction, and the walks count a node's bits per child.
constexpr int ContarBits(std::uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    return static_cast<int>((((x + (x >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

// Code 0..25 of a tile letter in alphabet order (Ñ after N); -1 for any other byte.
int CodigoLetra(char c);
char LetraDeCodigo(int codigo);

// What a word of the index must satisfy to be met by Recorrer.
struct Restricciones {
    int Longitud = 0;
    // Letter code a position must hold, or -1 where the rack supplies the letter.
    std::array<std::int8_t, kLongitudMaxima> Fija{};
    // Letters allowed at each position supplied by the rack.
    std::array<std::uint32_t, kLongitudMaxima> Permitidas{};
    std::array<std::uint8_t, kLetras> Atril{};  // tiles per letter code
    int Blancos = 0;                            // a blank stands for any letter
    // Optional: a word's worth is the sum of Valor[c] * Peso[d] over its open
    // positions, and words worth less than *Minimo (read as the walk goes) are
    // not wanted; paths that cannot reach it are dropped.
    const int* Minimo = nullptr;
    std::array<int, kLetras> Valor{};
    std::array<int, kLongitudMaxima> Peso{};
};

// Positions of one word's entries, ascending; the live ones end at the first 0.
struct Posiciones {
    const std::int32_t* Inicio;
    const std::int32_t* Fin;
    const std::int32_t* begin() const { return Inicio; }
    const std::int32_t* end() const { return Fin; }
};

class IndiceBusqueda : public ObservadorLista {
  public:
    IndiceBusqueda() = default;  // follows no list: filled by Construir
    explicit IndiceBusqueda(ListaPalabras& lista);
    ~IndiceBusqueda() override;
    IndiceBusqueda(const IndiceBusqueda&) = delete;
    IndiceBusqueda& operator=(const IndiceBusqueda&) = delete;

    // Rebuilds from entries 1..size-1 (entry 0 unused).
    void Construir(const std::vector<std::string>& palabras);

    // The next reload takes `hecho`, built from the list about to be adopted,
    // instead of rebuilding.
    void TomarEnLaProximaRecarga(IndiceBusqueda&& hecho);

    void Incluida(int posicion, const std::string& palabra) override;
    void Borrada(int posicion, const std::string& palabra) override;
    void Recargada() override;

    // Calls encontrada(letras, posiciones) once for every word of the index that
    // satisfies r and that the rack can spell at its open positions (a tile of
    // the letter first, else a blank). `letras` holds the word's letter codes.
    template <class F>
    void Recorrer(const Restricciones& r, F&& encontrada) const;

    // Walks the live words of `longitud` letters level by level, in the order
    // the nodes lie in memory, carrying a value along each path:
    // sigue(valor, d, c) gives the value after letter code c at position d, or
    // nothing to drop the path; encontrada(valor, posiciones) gets each word reached.
    template <class Valor, class Sigue, class F>
    void RecorrerPorNiveles(int longitud, Valor inicial, Sigue&& sigue, F&& encontrada) const;

    // Letters c for which antes + c + despues is a live entry.
    std::uint32_t LetrasQueCompletan(std::string_view antes, std::string_view despues) const;

    // Words added since the last rebuild (tests watch the rebuild through it).
    int NumAnadidas() const { return numAnadidas_; }
    std::size_t MemoriaUsada() const;

  private:
    struct Nodo {
        std::uint32_t Mascara = 0;     // letters of the children
        std::uint32_t PrimerHijo = 0;  // children are consecutive; a leaf's word number
    };
    struct Arbol {
        std::vector<Nodo> Nodos;  // root first, level by level
        std::vector<std::uint32_t>
            InicioHoja;                      // word w's positions: [InicioHoja[w], InicioHoja[w+1])
        std::vector<std::int32_t> Posicion;  // 0 past the live ones of a word
    };
    struct Anadida {  // included after the last rebuild
        std::array<std::uint8_t, kLongitudMaxima> Letras{};
        std::int32_t Posicion = 0;
    };

    static bool Codificar(std::string_view palabra, std::uint8_t* letras);
    // One length's trie from its words' codes (L per word) and positions.
    static void ConstruirArbol(Arbol& arbol, int L, const std::vector<std::uint8_t>& cod,
                               const std::vector<std::int32_t>& posiciones);
    // Word number of a leaf reached by `letras`, -1 when the trie lacks it.
    long Hoja(int longitud, const std::uint8_t* letras) const;
    bool HojaViva(int longitud, std::uint32_t hoja) const;
    static Posiciones Vivas(const Arbol& arbol, std::uint32_t hoja);

    template <class F>
    struct Recorrido;

    ListaPalabras* lista_ = nullptr;
    std::array<Arbol, kLongitudMaxima + 1> arboles_;
    std::array<std::vector<Anadida>, kLongitudMaxima + 1> anadidas_;
    int numAnadidas_ = 0;
    std::optional<std::array<Arbol, kLongitudMaxima + 1>> preparados_;
};

// Whether some entry can ever be laid: 2 to 15 tile letters.
bool HayPalabrasJugables(const ListaPalabras& lista);

// Depth-first walk of one length's trie along the restrictions, spending the
// rack as it goes down.
template <class F>
struct IndiceBusqueda::Recorrido {
    const Arbol& arbol;
    const Restricciones& r;
    F& encontrada;
    std::array<std::uint8_t, kLetras> atril;
    int blancos;
    std::uint32_t disponibles = 0;  // letters with a tile left
    std::array<std::uint8_t, kLongitudMaxima> letras{};
    // The most the open positions from d on can add to a word's worth.
    std::array<int, kLongitudMaxima + 1> resto{};

    void PrepararResto() {
        for (int d = r.Longitud - 1; d >= 0; --d) {
            int mayor = 0;
            if (r.Fija[d] < 0)
                for (std::uint32_t cs =
                         r.Permitidas[d] & (blancos > 0 ? kTodasLasLetras : disponibles);
                     cs; cs &= cs - 1)
                    mayor = std::max(mayor, r.Valor[std::countr_zero(cs)]);
            resto[d] = resto[d + 1] + mayor * r.Peso[d];
        }
    }

    static std::uint32_t Hijo(const Nodo& n, int c) {
        return n.PrimerHijo + ContarBits(n.Mascara & ((1u << c) - 1));
    }

    void Bajar(std::uint32_t nodo, int d, int valor) {
        const Nodo& n = arbol.Nodos[nodo];
        if (d == r.Longitud) {
            const Posiciones vivas = Vivas(arbol, n.PrimerHijo);
            if (vivas.Fin > vivas.Inicio) encontrada(letras.data(), vivas);
            return;
        }
        if (r.Fija[d] >= 0) {
            int c = r.Fija[d];
            if (n.Mascara >> c & 1u) {
                letras[d] = static_cast<std::uint8_t>(c);
                Bajar(Hijo(n, c), d + 1, valor);
            }
            return;
        }
        std::uint32_t candidatas =
            n.Mascara & r.Permitidas[d] & (blancos > 0 ? kTodasLasLetras : disponibles);
        while (candidatas) {
            int c = std::countr_zero(candidatas);
            candidatas &= candidatas - 1;
            const int sigue = valor + r.Valor[c] * r.Peso[d];
            if (r.Minimo && sigue + resto[d + 1] < *r.Minimo) continue;
            letras[d] = static_cast<std::uint8_t>(c);
            if (atril[c] > 0) {
                if (--atril[c] == 0) disponibles &= ~(1u << c);
                Bajar(Hijo(n, c), d + 1, sigue);
                if (atril[c]++ == 0) disponibles |= 1u << c;
            } else {
                --blancos;
                Bajar(Hijo(n, c), d + 1, sigue);
                ++blancos;
            }
        }
    }
};

template <class F>
void IndiceBusqueda::Recorrer(const Restricciones& r, F&& encontrada) const {
    if (r.Longitud < 1 || r.Longitud > kLongitudMaxima) return;
    const Arbol& arbol = arboles_[r.Longitud];
    if (!arbol.Nodos.empty()) {
        Recorrido<F> recorrido{arbol, r, encontrada, r.Atril, r.Blancos};
        for (int c = 0; c < kLetras; ++c)
            if (r.Atril[c] > 0) recorrido.disponibles |= 1u << c;
        if (r.Minimo) recorrido.PrepararResto();
        if (!r.Minimo || recorrido.resto[0] >= *r.Minimo) recorrido.Bajar(0, 0, 0);
    }
    for (const Anadida& a : anadidas_[r.Longitud]) {
        std::array<std::uint8_t, kLetras> atril = r.Atril;
        int blancos = r.Blancos;
        bool cabe = true;
        for (int d = 0; d < r.Longitud && cabe; ++d) {
            int c = a.Letras[d];
            if (r.Fija[d] >= 0) {
                cabe = r.Fija[d] == c;
            } else if (!(r.Permitidas[d] >> c & 1u)) {
                cabe = false;
            } else if (atril[c] > 0) {
                --atril[c];
            } else {
                cabe = blancos-- > 0;
            }
        }
        if (cabe) encontrada(a.Letras.data(), Posiciones{&a.Posicion, &a.Posicion + 1});
    }
}

inline Posiciones IndiceBusqueda::Vivas(const Arbol& arbol, std::uint32_t hoja) {
    const std::int32_t* ini = arbol.Posicion.data() + arbol.InicioHoja[hoja];
    const std::int32_t* fin = arbol.Posicion.data() + arbol.InicioHoja[hoja + 1];
    while (fin > ini && fin[-1] == 0) --fin;
    return {ini, fin};
}

template <class Valor, class Sigue, class F>
void IndiceBusqueda::RecorrerPorNiveles(int longitud, Valor inicial, Sigue&& sigue,
                                        F&& encontrada) const {
    if (longitud < 1 || longitud > kLongitudMaxima) return;
    const Arbol& arbol = arboles_[longitud];
    if (!arbol.Nodos.empty()) {
        // Children are consecutive and each level keeps its parents' order, so
        // both lists are read and written front to back. The leaves, the
        // largest level, are met straight from their parents.
        std::vector<std::pair<std::uint32_t, Valor>> nivel{{0, inicial}}, siguiente;
        for (int d = 0; d < longitud && !nivel.empty(); ++d) {
            siguiente.clear();
            for (const auto& [nodo, valor] : nivel) {
                const Nodo& n = arbol.Nodos[nodo];
                std::uint32_t hijo = n.PrimerHijo;
                for (std::uint32_t cs = n.Mascara; cs; cs &= cs - 1, ++hijo) {
                    auto v = sigue(valor, d, std::countr_zero(cs));
                    if (!v) continue;
                    if (d + 1 < longitud) {
                        siguiente.emplace_back(hijo, *v);
                        continue;
                    }
                    const Posiciones vivas = Vivas(arbol, arbol.Nodos[hijo].PrimerHijo);
                    if (vivas.Fin > vivas.Inicio) encontrada(*v, vivas);
                }
            }
            nivel.swap(siguiente);
        }
    }
    for (const Anadida& a : anadidas_[longitud]) {
        std::optional<Valor> v = inicial;
        for (int d = 0; d < longitud && v; ++d) v = sigue(*v, d, a.Letras[d]);
        if (v) encontrada(*v, Posiciones{&a.Posicion, &a.Posicion + 1});
    }
}

}  // namespace tablerix
