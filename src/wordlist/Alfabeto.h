#pragma once
// The tile letters: A to Z without W, with Ñ after N. A word is laid only from
// these; the blank stands for one of them. Each letter's value and its number
// of tiles in the bag are written here and nowhere else.
#include <array>
#include <string_view>

namespace tablerix {

struct DatosLetra {
    char Letra;
    int Valor;
    int EnBolsa;  // tiles of it among the bag's 100
};

constexpr std::array<DatosLetra, 26> kFichas{{
    {'A', 1, 12},   {'B', 3, 2}, {'C', 3, 4}, {'D', 2, 5}, {'E', 1, 12}, {'F', 4, 1}, {'G', 2, 2},
    {'H', 4, 2},    {'I', 1, 6}, {'J', 8, 1}, {'K', 8, 1}, {'L', 1, 4},  {'M', 3, 2}, {'N', 1, 5},
    {'\xD1', 8, 1}, {'O', 1, 9}, {'P', 3, 2}, {'Q', 5, 1}, {'R', 1, 5},  {'S', 1, 6}, {'T', 1, 4},
    {'U', 1, 5},    {'V', 4, 1}, {'X', 8, 1}, {'Y', 4, 1}, {'Z', 8, 1},
}};
constexpr int kBlancosEnBolsa = 4;

constexpr int kLetras = static_cast<int>(kFichas.size());

namespace detalle {
constexpr std::array<char, kLetras> LetrasDeFichas() {
    std::array<char, kLetras> letras{};
    for (int i = 0; i < kLetras; ++i) letras[i] = kFichas[i].Letra;
    return letras;
}
inline constexpr std::array<char, kLetras> kLetrasDeFichas = LetrasDeFichas();
}  // namespace detalle

constexpr std::string_view kAlfabeto{detalle::kLetrasDeFichas.data(), kLetras};

constexpr bool EsLetraDeFicha(char c) {
    return kAlfabeto.find(c) != std::string_view::npos;
}

}  // namespace tablerix
