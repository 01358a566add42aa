#pragma once
// The tile letters: A to Z without W, with Ñ after N. A word is laid only from
// these; the blank stands for one of them.
#include <string_view>

namespace tablerix {

constexpr std::string_view kAlfabeto = "ABCDEFGHIJKLMN\xD1OPQRSTUVXYZ";
constexpr int kLetras = static_cast<int>(kAlfabeto.size());
static_assert(kLetras == 26);

constexpr bool EsLetraDeFicha(char c) {
    return kAlfabeto.find(c) != std::string_view::npos;
}

}  // namespace tablerix
