#pragma once
// Text inside the core is single-byte Windows-1252 (Ñ = 0xD1): a letter is one
// char everywhere. These convert at the edges, where UTF-8 comes in or goes out.
#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

constexpr char kEnie = '\xD1';  // Ñ

// UTF-8 to Windows-1252; characters without a Windows-1252 form become '?'.
std::string Txt(std::string_view utf8);
// Text that is surely UTF-8 becomes Windows-1252 (true); other text is left
// as it is. Surely: valid UTF-8 with some character beyond ASCII. Windows-1252
// text never passes for it once it holds an accented capital or Ñ followed by
// a letter, a blank or a line end, as any Spanish word list does.
bool ConvertirSiEsUtf8(std::string& texto);
// Text that starts with a UTF-8 byte-order mark is UTF-8 by its own word: it
// becomes Windows-1252 without the mark, and lines that are not valid UTF-8
// are left out. Returns how many were, or nothing (text untouched) with no mark.
std::optional<int> ConvertirConMarcaUtf8(std::string& texto);
// Windows-1252 to UTF-8.
std::string AUtf8(std::string_view cp1252);

// Capitals of a Windows-1252 string: a-z and the accented small letters,
// ñ (0xF1) becoming Ñ (0xD1). std::toupper does not do this.
std::string Mayusculas(std::string_view texto);

// Blanks removed from both ends (VB's Trim: spaces only).
std::string_view SinBlancos(std::string_view texto);

}  // namespace tablerix
