#pragma once
// Text inside the core is single-byte Windows-1252 (Ñ = 0xD1): a letter is one
// char everywhere. These convert at the edges, where UTF-8 comes in or goes out.
#include <string>
#include <string_view>

namespace tablerix {

constexpr char kEnie = '\xD1';  // Ñ

// UTF-8 to Windows-1252; characters without a Windows-1252 form become '?'.
std::string Txt(std::string_view utf8);
// Windows-1252 to UTF-8.
std::string AUtf8(std::string_view cp1252);

// Capitals of a Windows-1252 string: a-z and the accented small letters,
// ñ (0xF1) becoming Ñ (0xD1). std::toupper does not do this.
std::string Mayusculas(std::string_view texto);

// Blanks removed from both ends (VB's Trim: spaces only).
std::string_view SinBlancos(std::string_view texto);

}  // namespace tablerix
