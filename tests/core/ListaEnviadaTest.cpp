// The word list shipped in data/: its bytes, its order and some of its words.
#include <gtest/gtest.h>

#include <algorithm>

#include "wordlist/Archivos.h"
#include "wordlist/ListaPalabras.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

TEST(ListaEnviada, PalabrasEnMayusculasConCrLfEnOrdenYSinRepetidos) {
    const std::optional<std::string> bytes =
        LeerArchivo(std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal");
    ASSERT_TRUE(bytes) << "cannot open the shipped word list";
    ASSERT_TRUE(bytes->ends_with("\r\n")) << "the last line has no line end";
    std::vector<std::string_view> palabras;
    int malas = 0;
    // Cut at LF only, so that a line without its CR is caught.
    for (size_t inicio = 0, fin; (fin = bytes->find('\n', inicio)) != std::string::npos;
         inicio = fin + 1) {
        std::string_view linea = std::string_view(*bytes).substr(inicio, fin - inicio);
        bool bien = linea.ends_with('\r') && linea.size() >= 3 && linea.size() <= 16;
        linea.remove_suffix(linea.ends_with('\r') ? 1 : 0);
        for (char c : linea) bien = bien && ((c >= 'A' && c <= 'Z' && c != 'W') || c == kEnie);
        if (!palabras.empty() && !ListaPalabras::Menor(palabras.back(), linea)) bien = false;
        if (!bien && ++malas <= 5) ADD_FAILURE() << "bad or out of order: " << AUtf8(linea);
        palabras.push_back(linea);
    }
    EXPECT_EQ(malas, 0);
    EXPECT_GT(palabras.size(), 400000u);
    EXPECT_LT(palabras.size(), 1200000u);

    auto contiene = [&](const char* utf8) {
        return std::binary_search(palabras.begin(), palabras.end(), Txt(utf8),
                                  ListaPalabras::Menor);
    };
    // Plain words, plurals folded from a derived form (NACIONES), prefixed forms
    // (TELEFONO), verb forms with enclitics, and words with Ñ first or inside;
    // the binary search also needs leading-Ñ words between N and O. PINGUINO,
    // CHIPIRON and ÑU come only from the second and third sources.
    for (const char* utf8 :
         {"CASA",     "CASAS",      "AGUA",   "PERRO",        "ZOO",    "XI",      "NACIONES",
          "TELEFONO", "CANTABAMOS", "DAMELO", "HACIENDOSELO", "ÑANDU",  "ÑANDUES", "ÑAME",
          "AÑO",      "AÑOS",       "NIÑO",   "ZUÑO",         "NUTRIZ", "OASIS",   "PINGUINO",
          "CHIPIRON", "ÑU"})
        EXPECT_TRUE(contiene(utf8)) << utf8;
    // Proper nouns, acronyms, abbreviations (SRA comes from sr/GS), units and
    // symbols, a word with W, and enclitic forms only the second source has.
    for (const char* utf8 : {"MADRID", "ONU", "USB", "ETC", "SRA", "PAG", "AVDA", "KM", "CM", "PH",
                             "KIWI", "COMETELO", "AMEMOSLO"})
        EXPECT_FALSE(contiene(utf8)) << utf8;
}

}  // namespace
}  // namespace tablerix
