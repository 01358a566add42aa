#include <gtest/gtest.h>

#include "wordlist/Texto.h"

namespace tablerix {
namespace {

TEST(Texto, ConvierteEntreUtf8YWindows1252) {
    EXPECT_EQ(Txt("ÑANDÚ"), std::string("\xD1"
                                        "AND\xDA"));
    EXPECT_EQ(Txt("¿Aceptas?"), std::string("\xBF"
                                            "Aceptas?"));
    EXPECT_EQ(Txt("€"), std::string("\x80"));
    EXPECT_EQ(AUtf8(Txt("La 1º palabra está aquí €")), "La 1º palabra está aquí €");
    // Malformed UTF-8 and characters outside Windows-1252 become '?', never more bytes.
    EXPECT_EQ(Txt("\xC3"), "?");
    EXPECT_EQ(Txt("a\xE2\x82"), "a??");
    EXPECT_EQ(Txt("日"), "?");
}

}  // namespace
}  // namespace tablerix
