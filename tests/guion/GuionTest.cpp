#include <gtest/gtest.h>

#include "Autojuego.h"
#include "Guion.h"

namespace tablerix::guion {
namespace {

int LineaDelError(const std::string& guion) {
    try {
        LeerGuion(guion);
    } catch (const ErrorGuion& e) {
        return e.Linea;
    }
    return -1;
}

TEST(LeerGuion, KeepsLineNumbersPastCommentsAndBlankLines) {
    std::string leido;
    for (const Orden& o :
         LeerGuion("# set-up\n\nseed 4   # fixed draws\r\n  start\necho  two  words \n")) {
        leido += std::to_string(o.Linea) + " " + o.Nombre;
        for (const std::string& a : o.Argumentos) leido += " [" + a + "]";
        leido += "\n";
    }
    EXPECT_EQ(leido, "3 seed [4]\n4 start\n5 echo [two  words]\n");
}

TEST(LeerGuion, RefusesBadLinesWithTheirNumber) {
    EXPECT_EQ(LineaDelError("start\nstart now\n"), 2);  // stray argument
    EXPECT_EQ(LineaDelError("ok\n\nfly\n"), 3);         // unknown command
    EXPECT_EQ(LineaDelError("take 225\n"), 1);          // square out of range
    EXPECT_EQ(LineaDelError("drop 0 1x\n"), 1);         // not a number
    EXPECT_EQ(LineaDelError("rack 3 AB\n"), 1);         // no third rack
    EXPECT_EQ(LineaDelError("rack 1 ABCDEFGH\n"), 1);   // eight tiles
    EXPECT_EQ(LineaDelError("rack 1 casa\n"), 1);       // small letters
    EXPECT_EQ(LineaDelError("fix 112 CA*A H\n"), 1);    // a fixed word has no blank
    EXPECT_EQ(LineaDelError("letter AB\n"), 1);
    EXPECT_EQ(LineaDelError("print file\n"), 1);
    EXPECT_EQ(LineaDelError("selfplay 2 0\n"), 1);
    EXPECT_EQ(LineaDelError("key Tab\n"), 1);
    EXPECT_EQ(LineaDelError("type CA5A\n"), 1);
    // A word to fix must stay on the board.
    EXPECT_EQ(LineaDelError("fix 11 CASA H\n"), -1);   // columns 11..14
    EXPECT_EQ(LineaDelError("fix 12 CASA H\n"), 1);    // would run into the next row
    EXPECT_EQ(LineaDelError("fix 165 CASA V\n"), -1);  // rows 11..14
    EXPECT_EQ(LineaDelError("fix 180 CASA V\n"), 1);   // from row 12: off the bottom
}

TEST(Percentil, NearestRank) {
    std::vector<double> v;
    for (int i = 20; i >= 1; --i) v.push_back(i);  // unsorted on purpose
    EXPECT_EQ(std::vector<double>(
                  {Percentil({}, 0.5), Percentil(v, 0.5), Percentil(v, 0.95), Percentil(v, 1.0)}),
              std::vector<double>({0, 10, 19, 20}));
}

}  // namespace
}  // namespace tablerix::guion
