#include "wordlist/ConsultasLista.h"

#include <algorithm>

namespace tablerix {
namespace {

// Sorts by one number: shorter words, fewer points and later positions weigh
// more. Lengths come longest first: once the longer ones fill the list, the
// shorter words are only counted.
class Recolector {
  public:
    void Agregar(int longitud, int puntos, Posiciones posiciones) {
        ++total_;
        if (lleno_) return;
        claves_.push_back(std::uint64_t(kLongitudMaxima - longitud) << 40 |
                          std::uint64_t(255 - std::min(puntos, 255)) << 32 |
                          std::uint32_t(*posiciones.begin()));
    }

    void LongitudAcabada() { lleno_ = claves_.size() >= kMaximoResultados; }

    Encontradas Resultado() {
        Encontradas e;
        e.Total = total_;
        if (claves_.size() > kMaximoResultados) {
            std::nth_element(claves_.begin(), claves_.begin() + kMaximoResultados, claves_.end());
            claves_.resize(kMaximoResultados);
        }
        std::sort(claves_.begin(), claves_.end());
        e.Palabras.reserve(claves_.size());
        for (std::uint64_t c : claves_)
            e.Palabras.push_back(
                {static_cast<int>(c & 0xFFFFFFFFu), 255 - static_cast<int>(c >> 32 & 0xFF)});
        return e;
    }

  private:
    std::vector<std::uint64_t> claves_;
    int total_ = 0;
    bool lleno_ = false;
};

bool Vecina(const std::string& entrada) {
    return !entrada.empty() && entrada != ListaPalabras::kMarcaBorrada;
}

}  // namespace

Vecinas BuscarVecinas(const ListaPalabras& lista, const IndiceBusqueda& indice,
                      std::string_view palabra, int cuantas) {
    Vecinas v;
    const int longitud = static_cast<int>(palabra.size());
    indice.RecorrerPorNiveles(
        longitud, true,
        [&](bool, int d, int c) {
            return CodigoLetra(palabra[d]) == c ? std::optional(true) : std::nullopt;
        },
        [&](bool, Posiciones posiciones) {
            v.Existe = true;
            v.Posicion = *posiciones.begin();
        });
    if (!v.Existe) v.Posicion = lista.PosicionDeInclusion(palabra);

    const auto& palabras = lista.Palabras();
    for (int i = v.Posicion - 1; i >= 1 && static_cast<int>(v.Antes.size()) < cuantas; --i)
        if (Vecina(palabras[i])) v.Antes.push_back(i);
    std::reverse(v.Antes.begin(), v.Antes.end());
    for (int i = v.Posicion + (v.Existe ? 1 : 0);
         i <= lista.NumPalabras() && static_cast<int>(v.Despues.size()) < cuantas; ++i)
        if (Vecina(palabras[i])) v.Despues.push_back(i);
    return v;
}

Encontradas PalabrasConFichas(const IndiceBusqueda& indice, std::string_view fichas, bool todas,
                              const ValoresLetras& valores) {
    Restricciones r;
    r.Fija.fill(-1);
    r.Permitidas.fill(kTodasLasLetras);
    for (char f : fichas) {
        if (f == kUnaLetra)
            ++r.Blancos;
        else if (int c = CodigoLetra(f); c >= 0)
            ++r.Atril[c];
    }
    Recolector recolector;
    const int n = std::min(static_cast<int>(fichas.size()), kLongitudMaxima);
    for (int longitud = n; longitud >= (todas ? n : 2); --longitud) {
        r.Longitud = longitud;
        indice.Recorrer(r, [&](const std::uint8_t* letras, Posiciones posiciones) {
            int puntos = 0;
            for (int d = 0; d < longitud; ++d) puntos += valores[letras[d]];
            recolector.Agregar(longitud, puntos, posiciones);
        });
        recolector.LongitudAcabada();
    }
    return recolector.Resultado();
}

Encontradas PalabrasConPatron(const IndiceBusqueda& indice, std::string_view patron,
                              const ValoresLetras& valores) {
    // A small automaton over the pattern's elements, runs of '*' taken as one:
    // state i has matched the first i elements. Sets of states are bit masks.
    std::vector<char> elementos;
    for (char p : patron)
        if (p != kVariasLetras || elementos.empty() || elementos.back() != kVariasLetras)
            elementos.push_back(p);
    const int m = static_cast<int>(elementos.size());
    if (m >= 32) return {};                         // more than 15 letters fit no word
    std::array<std::uint32_t, kLetras> coincide{};  // states a letter moves on from
    std::uint32_t estrella = 0;
    int fijas = 0;
    for (int i = 0; i < m; ++i) {
        if (elementos[i] == kVariasLetras) {
            estrella |= 1u << i;
            continue;
        }
        ++fijas;
        for (int c = 0; c < kLetras; ++c)
            if (elementos[i] == kUnaLetra || CodigoLetra(elementos[i]) == c) coincide[c] |= 1u << i;
    }
    auto cierre = [&](std::uint32_t s) { return s | (s & estrella) << 1; };
    // States from which the rest of the pattern takes exactly r more letters.
    std::array<std::uint32_t, kLongitudMaxima + 1> alcanzan{};
    int resto = 0;
    bool libre = false;
    for (int i = m; i >= 0; --i) {
        if (i < m && elementos[i] == kVariasLetras)
            libre = true;
        else if (i < m)
            ++resto;
        for (int r = 0; r <= kLongitudMaxima; ++r)
            if (r == resto || (libre && r > resto)) alcanzan[r] |= 1u << i;
    }

    struct Camino {
        std::uint32_t Estados;
        int Puntos;
    };
    Recolector recolector;
    const int maxima = estrella ? kLongitudMaxima : std::min(fijas, kLongitudMaxima);
    for (int longitud = maxima; longitud >= std::max(fijas, 1); --longitud) {
        const Camino inicio{cierre(1u) & alcanzan[longitud], 0};
        if (!inicio.Estados) continue;
        indice.RecorrerPorNiveles(
            longitud, inicio,
            [&](const Camino& camino, int d, int c) -> std::optional<Camino> {
                const std::uint32_t s = camino.Estados;
                const std::uint32_t estados =
                    cierre((s & coincide[c]) << 1 | (s & estrella)) & alcanzan[longitud - d - 1];
                if (!estados) return std::nullopt;
                return Camino{estados, camino.Puntos + valores[c]};
            },
            [&](const Camino& camino, Posiciones posiciones) {
                recolector.Agregar(longitud, camino.Puntos, posiciones);
            });
        recolector.LongitudAcabada();
    }
    return recolector.Resultado();
}

}  // namespace tablerix
