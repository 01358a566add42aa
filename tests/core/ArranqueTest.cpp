#include "game/Arranque.h"

#include <gtest/gtest.h>

#include <map>

#include "JuegoDePrueba.h"

namespace tablerix {
namespace {

TEST(Arranque, ElTableroDisenadoTieneSusPremios) {
    ModeloVentana f;
    f.Label1[0].Letra = 'X';
    f.MnuNiv[2] = true;
    DisenoInicial(f);
    std::map<Color, int> cuenta;
    for (const Casilla& c : f.Label1) {
        ++cuenta[c.Fondo];
        EXPECT_EQ(c.Letra, kCasillaVacia);
        EXPECT_EQ(c.ColorLetra, kRojo);
        EXPECT_EQ(c.Marca, '0');
    }
    EXPECT_EQ(cuenta[kPalabraX3], 8);
    EXPECT_EQ(cuenta[kPalabraX2], 17);
    EXPECT_EQ(cuenta[kLetraX3], 12);
    EXPECT_EQ(cuenta[kLetraX2], 24);
    EXPECT_EQ(cuenta[kColorVentana], 164);
    EXPECT_EQ(f.Label1[kCentro].Fondo, kPalabraX2);
    // Row 3: L2 .. .. W2 .. .. .. L2 .. .. .. W2 .. .. L2
    const Color fila3[kLado] = {kLetraX2,     kColorVentana, kColorVentana, kPalabraX2,
                                kColorVentana, kColorVentana, kColorVentana, kLetraX2,
                                kColorVentana, kColorVentana, kColorVentana, kPalabraX2,
                                kColorVentana, kColorVentana, kLetraX2};
    for (int c = 0; c < kLado; ++c) EXPECT_EQ(f.Label1[45 + c].Fondo, fila3[c]) << c;
    // The board looks the same from all four sides.
    for (int i = 0; i < kCasillas; ++i) {
        int fila = i / kLado, col = i % kLado;
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[fila * kLado + (kLado - 1 - col)].Fondo);
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[(kLado - 1 - fila) * kLado + col].Fondo);
        EXPECT_EQ(f.Label1[i].Fondo, f.Label1[col * kLado + fila].Fondo);
    }
    EXPECT_EQ(f.MnuNiv, (std::array<bool, 8>{}));
    for (const FichaJugador& r : f.Label5) EXPECT_EQ(r.Letra, kSinFicha);
}

TEST(Arranque, LosPremiosSeGuardanComoTexto) {
    VentanaGuionizada v;
    Juego j(v);
    DisenoInicial(j.Form1);
    LeerPremios(j);
    EXPECT_EQ(j.Premios[kCentro], std::to_string(kPalabraX2));
    EXPECT_EQ(j.Premios[1], std::to_string(kColorVentana));
    EXPECT_EQ(j.Premios[0], "8438015");  // RGB(255, 192, 128)
}

TEST(Arranque, ValoresYLeyenda) {
    VentanaGuionizada v;
    Juego j(v);
    ConstruirValores(j);
    EXPECT_EQ(j.Valores[0], "");
    EXPECT_EQ(j.Valores[1], "A1");
    EXPECT_EQ(j.Valores[15], "\xD1" "8");
    EXPECT_EQ(j.Valores[16], "O1");
    EXPECT_EQ(j.Valores[26], "Z8");

    j.Form1.lblPuntos = "viejo";
    ConstruirLeyenda(j);
    const std::string& l = j.Form1.lblPuntos;
    EXPECT_EQ(l.substr(0, 20), " A-1   B-3   C-3   D");
    EXPECT_NE(l.find(" N-1   \xD1-8   O-1   P-3"), std::string::npos);
    EXPECT_EQ(l.find('W'), std::string::npos);
    EXPECT_EQ(l.size(), 26u * 6u);
    EXPECT_EQ(l.substr(l.size() - 12), " Y-4   Z-8  ");
}

}  // namespace
}  // namespace tablerix
