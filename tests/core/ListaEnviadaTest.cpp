// The word list shipped in data/: its bytes, its order and some of its words.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "wordlist/ListaPalabras.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

class ListaEnviada : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ifstream archivo(std::string(TABLERIX_DATA_DIR) + "/Tablerix.pal", std::ios::binary);
        ASSERT_TRUE(archivo) << "cannot open the shipped word list";
        bytes_.assign(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
        // Cut at LF only, so that a line without its CR is caught below.
        std::string_view resto = bytes_;
        for (size_t fin; (fin = resto.find('\n')) != std::string_view::npos;) {
            lineas_.push_back(resto.substr(0, fin));
            resto.remove_prefix(fin + 1);
        }
        sin_final_ = resto;
        for (std::string_view linea : lineas_)
            palabras_.push_back(linea.substr(0, linea.size() - (linea.ends_with('\r') ? 1 : 0)));
    }

    static bool Contiene(const std::string& palabra) {
        return std::binary_search(palabras_.begin(), palabras_.end(), palabra,
                                  ListaPalabras::Menor);
    }

    static std::string bytes_;
    static std::vector<std::string_view> lineas_;    // cut at LF, CR still on
    static std::vector<std::string_view> palabras_;  // the lines without CR
    static std::string_view sin_final_;
};

std::string ListaEnviada::bytes_;
std::vector<std::string_view> ListaEnviada::lineas_;
std::vector<std::string_view> ListaEnviada::palabras_;
std::string_view ListaEnviada::sin_final_;

TEST_F(ListaEnviada, CadaLineaEsUnaPalabraEnMayusculasConCrLf) {
    EXPECT_TRUE(sin_final_.empty()) << "the last line has no line end";
    int malas = 0;
    for (std::string_view linea : lineas_) {
        bool bien = !linea.empty() && linea.back() == '\r';
        std::string_view palabra = bien ? linea.substr(0, linea.size() - 1) : linea;
        bien = bien && palabra.size() >= 2 && palabra.size() <= 15;
        for (char c : palabra) bien = bien && ((c >= 'A' && c <= 'Z' && c != 'W') || c == kEnie);
        if (!bien && ++malas <= 5) ADD_FAILURE() << "bad line: " << AUtf8(linea);
    }
    EXPECT_EQ(malas, 0);
}

TEST_F(ListaEnviada, EstaEnOrdenDeListaSinRepetidos) {
    int fuera = 0;
    for (size_t i = 1; i < palabras_.size(); ++i) {
        if (!ListaPalabras::Menor(palabras_[i - 1], palabras_[i]) && ++fuera <= 5)
            ADD_FAILURE() << AUtf8(palabras_[i - 1]) << " is not before " << AUtf8(palabras_[i]);
    }
    EXPECT_EQ(fuera, 0);
}

TEST_F(ListaEnviada, TieneUnTamanoSensatoYLasPalabrasEsperadas) {
    EXPECT_GT(lineas_.size(), 400000u);
    EXPECT_LT(lineas_.size(), 1200000u);
    // Plain words, plurals folded from a derived form (NACIONES), prefixed forms
    // (TELEFONO), verb forms with enclitics, and words with Ñ first or inside;
    // the binary search also needs leading-Ñ words between N and O.
    for (const char* utf8 :
         {"CASA",     "CASAS",      "AGUA",   "PERRO",        "ZOO",    "XI",      "NACIONES",
          "TELEFONO", "CANTABAMOS", "DAMELO", "HACIENDOSELO", "ÑANDU",  "ÑANDUES", "ÑAME",
          "AÑO",      "AÑOS",       "NIÑO",   "ZUÑO",         "NUTRIZ", "OASIS"})
        EXPECT_TRUE(Contiene(Txt(utf8))) << utf8;
    // Proper nouns, acronyms, abbreviations (SRA comes from sr/GS), units and
    // symbols, and a word with W.
    for (const char* utf8 :
         {"MADRID", "ONU", "USB", "ETC", "SRA", "PAG", "AVDA", "KM", "CM", "PH", "KIWI"})
        EXPECT_FALSE(Contiene(utf8)) << utf8;
}

}  // namespace
}  // namespace tablerix
