#include "wordlist/IndiceBusqueda.h"

#include <algorithm>

namespace tablerix {

namespace {

// Words included since the last rebuild are matched one by one; past this
// many the whole index is rebuilt from the list.
constexpr int kMaximoAnadidas = 2000;

struct TablaCodigos {
    std::array<std::int8_t, 256> codigo{};
    TablaCodigos() {
        codigo.fill(-1);
        for (int c = 0; c < kLetras; ++c)
            codigo[static_cast<unsigned char>(kAlfabeto[c])] = static_cast<std::int8_t>(c);
    }
};
const TablaCodigos kTabla;

}  // namespace

int CodigoLetra(char c) {
    return kTabla.codigo[static_cast<unsigned char>(c)];
}
char LetraDeCodigo(int codigo) {
    return kAlfabeto[codigo];
}

IndiceBusqueda::IndiceBusqueda(ListaPalabras& lista) : lista_(&lista) {
    lista_->AgregarObservador(this);
    Construir(lista_->Palabras());
}

IndiceBusqueda::~IndiceBusqueda() {
    if (lista_) lista_->QuitarObservador(this);
}

bool IndiceBusqueda::Codificar(std::string_view palabra, std::uint8_t* letras) {
    if (palabra.empty() || palabra.size() > kLongitudMaxima) return false;
    for (std::size_t k = 0; k < palabra.size(); ++k) {
        int c = CodigoLetra(palabra[k]);
        if (c < 0) return false;
        letras[k] = static_cast<std::uint8_t>(c);
    }
    return true;
}

bool HayPalabrasJugables(const ListaPalabras& lista) {
    return std::any_of(lista.Palabras().begin() + 1, lista.Palabras().end(),
                       [](const std::string& p) {
                           return p.size() >= 2 && p.size() <= kLongitudMaxima &&
                                  std::all_of(p.begin(), p.end(), EsLetraDeFicha);
                       });
}

namespace {

// Word numbers 0..m-1 sorted by their letter codes (L per word, back to back),
// last position first; each pass is stable, so equal words keep their
// positions in ascending order.
std::vector<std::uint32_t> OrdenarPorLetras(const std::vector<std::uint8_t>& cod, std::size_t m,
                                            int L) {
    std::vector<std::uint32_t> orden(m), aux(m);
    for (std::size_t k = 0; k < m; ++k) orden[k] = static_cast<std::uint32_t>(k);
    for (int d = L - 1; d >= 0; --d) {
        std::array<std::uint32_t, kLetras + 1> cuenta{};
        for (std::uint32_t w : orden) ++cuenta[cod[w * L + d] + 1];
        for (int c = 0; c < kLetras; ++c) cuenta[c + 1] += cuenta[c];
        for (std::uint32_t w : orden) aux[cuenta[cod[w * L + d]]++] = w;
        orden.swap(aux);
    }
    return orden;
}

// Of the sorted words: the letters each shares with the word before, and the
// nodes each level of the trie needs.
struct Prefijos {
    std::vector<std::uint8_t> Comun;
    std::array<std::uint32_t, kLongitudMaxima + 2> PorNivel{};
};

Prefijos PrefijosComunes(const std::vector<std::uint8_t>& cod,
                         const std::vector<std::uint32_t>& orden, int L) {
    Prefijos p;
    p.Comun.assign(orden.size(), 0);
    p.PorNivel[0] = 1;
    for (std::size_t k = 0; k < orden.size(); ++k) {
        int l = 0;
        if (k > 0) {
            const std::uint8_t* a = &cod[orden[k - 1] * L];
            const std::uint8_t* b = &cod[orden[k] * L];
            while (l < L && a[l] == b[l]) ++l;
        }
        p.Comun[k] = static_cast<std::uint8_t>(l);
        for (int d = l + 1; d <= L; ++d) ++p.PorNivel[d];
    }
    return p;
}

}  // namespace

void IndiceBusqueda::Construir(const std::vector<std::string>& palabras) {
    // Built aside: running out of memory halfway leaves the index as it was.
    std::array<Arbol, kLongitudMaxima + 1> arboles;
    // Entries by length: their letter codes back to back, and their positions.
    std::array<std::vector<std::uint8_t>, kLongitudMaxima + 1> letras;
    std::array<std::vector<std::int32_t>, kLongitudMaxima + 1> posiciones;
    std::uint8_t codigos[kLongitudMaxima];
    for (std::size_t i = 1; i < palabras.size(); ++i) {
        const std::string& p = palabras[i];
        if (!Codificar(p, codigos)) continue;
        letras[p.size()].insert(letras[p.size()].end(), codigos, codigos + p.size());
        posiciones[p.size()].push_back(static_cast<std::int32_t>(i));
    }
    for (int L = 1; L <= kLongitudMaxima; ++L)
        ConstruirArbol(arboles[L], L, letras[L], posiciones[L]);
    arboles_.swap(arboles);
    for (auto& a : anadidas_) a.clear();
    numAnadidas_ = 0;
}

void IndiceBusqueda::ConstruirArbol(Arbol& arbol, int L, const std::vector<std::uint8_t>& cod,
                                    const std::vector<std::int32_t>& posiciones) {
    const std::size_t m = posiciones.size();
    if (m == 0) return;
    const std::vector<std::uint32_t> orden = OrdenarPorLetras(cod, m, L);
    const Prefijos prefijos = PrefijosComunes(cod, orden, L);
    const auto& porNivel = prefijos.PorNivel;

    // Each level's nodes are consecutive, in the words' order.
    std::array<std::uint32_t, kLongitudMaxima + 2> base{};
    for (int d = 1; d <= L; ++d) base[d] = base[d - 1] + porNivel[d - 1];
    arbol.Nodos.assign(base[L] + porNivel[L], Nodo{});
    arbol.InicioHoja.reserve(porNivel[L] + 1);
    arbol.Posicion.reserve(m);

    std::array<std::uint32_t, kLongitudMaxima + 2> hechos{}, actual{};
    for (std::size_t k = 0; k < m; ++k) {
        const std::uint8_t* w = &cod[orden[k] * L];
        for (int d = prefijos.Comun[k] + 1; d <= L; ++d) {
            std::uint32_t id = base[d] + hechos[d]++;
            Nodo& padre = arbol.Nodos[actual[d - 1]];
            if (padre.Mascara == 0) padre.PrimerHijo = id;
            padre.Mascara |= 1u << w[d - 1];
            actual[d] = id;
        }
        if (prefijos.Comun[k] < L) {
            arbol.Nodos[actual[L]].PrimerHijo = static_cast<std::uint32_t>(arbol.InicioHoja.size());
            arbol.InicioHoja.push_back(static_cast<std::uint32_t>(arbol.Posicion.size()));
        }
        arbol.Posicion.push_back(posiciones[orden[k]]);
    }
    arbol.InicioHoja.push_back(static_cast<std::uint32_t>(arbol.Posicion.size()));
}

long IndiceBusqueda::Hoja(int longitud, const std::uint8_t* letras) const {
    const Arbol& arbol = arboles_[longitud];
    if (arbol.Nodos.empty()) return -1;
    std::uint32_t nodo = 0;
    for (int d = 0; d < longitud; ++d) {
        const Nodo& n = arbol.Nodos[nodo];
        if (!(n.Mascara >> letras[d] & 1u)) return -1;
        nodo = n.PrimerHijo + ContarBits(n.Mascara & ((1u << letras[d]) - 1));
    }
    return arbol.Nodos[nodo].PrimerHijo;
}

bool IndiceBusqueda::HojaViva(int longitud, std::uint32_t hoja) const {
    const Arbol& arbol = arboles_[longitud];
    return arbol.Posicion[arbol.InicioHoja[hoja]] != 0;
}

void IndiceBusqueda::Incluida(int posicion, const std::string& palabra) {
    for (Arbol& arbol : arboles_)
        for (std::int32_t& p : arbol.Posicion)
            if (p >= posicion) ++p;
    for (auto& lista : anadidas_)
        for (Anadida& a : lista)
            if (a.Posicion >= posicion) ++a.Posicion;

    Anadida nueva;
    if (!Codificar(palabra, nueva.Letras.data())) return;
    nueva.Posicion = posicion;
    anadidas_[palabra.size()].push_back(nueva);
    if (++numAnadidas_ > kMaximoAnadidas && lista_) Construir(lista_->Palabras());
}

void IndiceBusqueda::Borrada(int posicion, const std::string& palabra) {
    std::uint8_t letras[kLongitudMaxima];
    if (!Codificar(palabra, letras)) return;
    const int L = static_cast<int>(palabra.size());

    long hoja = Hoja(L, letras);
    if (hoja >= 0) {
        Arbol& arbol = arboles_[L];
        auto ini = arbol.Posicion.begin() + arbol.InicioHoja[hoja];
        auto fin = arbol.Posicion.begin() + arbol.InicioHoja[hoja + 1];
        auto p = std::find(ini, fin, posicion);
        if (p != fin) {
            std::move(p + 1, fin, p);
            fin[-1] = 0;
            return;
        }
    }
    auto& lista = anadidas_[L];
    auto a = std::find_if(lista.begin(), lista.end(),
                          [&](const Anadida& x) { return x.Posicion == posicion; });
    if (a != lista.end()) lista.erase(a);
}

void IndiceBusqueda::TomarEnLaProximaRecarga(IndiceBusqueda&& hecho) {
    preparados_ = std::move(hecho.arboles_);
}

void IndiceBusqueda::Recargada() {
    if (preparados_) {
        arboles_ = std::move(*preparados_);
        preparados_.reset();
        for (auto& a : anadidas_) a.clear();
        numAnadidas_ = 0;
    } else if (lista_) {
        Construir(lista_->Palabras());
    }
}

std::uint32_t IndiceBusqueda::LetrasQueCompletan(std::string_view antes,
                                                 std::string_view despues) const {
    const std::size_t L = antes.size() + 1 + despues.size();
    if (L > kLongitudMaxima) return 0;
    std::uint8_t delante[kLongitudMaxima + 1] = {},
                                           detras[kLongitudMaxima + 1] =
                                               {};  // one spare: quiets a false overflow warning
    if (!antes.empty() && !Codificar(antes, delante)) return 0;
    if (!despues.empty() && !Codificar(despues, detras)) return 0;
    const Arbol& arbol = arboles_[L];
    auto bajar = [&](std::uint32_t& nodo, int c) {
        const Nodo& n = arbol.Nodos[nodo];
        if (!(n.Mascara >> c & 1u)) return false;
        nodo = n.PrimerHijo + ContarBits(n.Mascara & ((1u << c) - 1));
        return true;
    };

    std::uint32_t mascara = 0;
    std::uint32_t medio = 0;
    bool sigue = !arbol.Nodos.empty();
    for (std::size_t d = 0; d < antes.size() && sigue; ++d) sigue = bajar(medio, delante[d]);
    if (sigue) {
        for (std::uint32_t cs = arbol.Nodos[medio].Mascara; cs; cs &= cs - 1) {
            const int c = std::countr_zero(cs);
            std::uint32_t nodo = medio;
            bool llega = bajar(nodo, c);
            for (std::size_t d = 0; d < despues.size() && llega; ++d)
                llega = bajar(nodo, detras[d]);
            if (llega && HojaViva(static_cast<int>(L), arbol.Nodos[nodo].PrimerHijo))
                mascara |= 1u << c;
        }
    }
    for (const Anadida& a : anadidas_[L]) {
        const std::uint8_t* l = a.Letras.data();
        if (std::equal(delante, delante + antes.size(), l) &&
            std::equal(detras, detras + despues.size(), l + antes.size() + 1))
            mascara |= 1u << l[antes.size()];
    }
    return mascara;
}

std::size_t IndiceBusqueda::MemoriaUsada() const {
    std::size_t total = 0;
    for (const Arbol& a : arboles_)
        total += a.Nodos.capacity() * sizeof(Nodo) +
                 a.InicioHoja.capacity() * sizeof(std::uint32_t) +
                 a.Posicion.capacity() * sizeof(std::int32_t);
    for (const auto& l : anadidas_) total += l.capacity() * sizeof(Anadida);
    return total;
}

}  // namespace tablerix
