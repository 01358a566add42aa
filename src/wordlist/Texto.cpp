#include "wordlist/Texto.h"

#include <algorithm>

namespace tablerix {
namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0 where undefined).
constexpr char32_t kAlto[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodigoDe(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kAlto[c - 0x80] ? kAlto[c - 0x80] : c;
    return c;
}

char ByteDe(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kAlto[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// The UTF-8 sequence at `i`: its code point and length, length 0 when it is not valid.
struct Secuencia {
    char32_t Codigo;
    int Longitud;
};
Secuencia LeerUtf8(std::string_view utf8, size_t i) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0) return {0, 0};
    char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    return {cp, 1 + extra};
}

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

// Whether `texto` is valid UTF-8; `multibyte` tells whether it holds a character beyond ASCII.
bool EsUtf8(std::string_view texto, bool& multibyte) {
    multibyte = false;
    for (size_t i = 0; i < texto.size();) {
        int longitud = LeerUtf8(texto, i).Longitud;
        if (longitud == 0) return false;
        multibyte = multibyte || longitud > 1;
        i += longitud;
    }
    return true;
}

}  // namespace

std::string Txt(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        Secuencia s = LeerUtf8(utf8, i);
        out += s.Longitud ? ByteDe(s.Codigo) : '?';
        i += s.Longitud ? s.Longitud : 1;
    }
    return out;
}

bool ConvertirSiEsUtf8(std::string& texto) {
    bool multibyte = false;
    if (!EsUtf8(texto, multibyte) || !multibyte) return false;
    texto = Txt(texto);
    return true;
}

std::optional<int> ConvertirConMarcaUtf8(std::string& texto) {
    if (!texto.starts_with(kMarcaUtf8)) return std::nullopt;
    std::string_view resto = std::string_view(texto).substr(kMarcaUtf8.size());
    std::string salida;
    salida.reserve(resto.size());
    int ilegibles = 0;
    bool multibyte;
    while (!resto.empty()) {
        const size_t fin = std::min(resto.find('\n'), resto.size() - 1) + 1;
        const std::string_view linea = resto.substr(0, fin);  // with its line end
        if (EsUtf8(linea, multibyte))
            salida += Txt(linea);
        else
            ++ilegibles;
        resto.remove_prefix(fin);
    }
    texto = std::move(salida);
    return ilegibles;
}

std::string AUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + 8);
    for (char ch : cp1252) {
        char32_t cp = CodigoDe(static_cast<unsigned char>(ch));
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string Mayusculas(std::string_view texto) {
    std::string out(texto);
    for (char& ch : out) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') ch = static_cast<char>(c - 32);
        // Latin-1 small letters 0xE0..0xFE map 32 down, except the division sign 0xF7.
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
            ch = static_cast<char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E)
            ch = static_cast<char>(c - 16);  // š œ ž
        else if (c == 0xFF)
            ch = static_cast<char>(0x9F);  // ÿ
    }
    return out;
}

std::string_view SinBlancos(std::string_view texto) {
    size_t a = texto.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    size_t b = texto.find_last_not_of(' ');
    return texto.substr(a, b - a + 1);
}

}  // namespace tablerix
