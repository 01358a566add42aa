#include "game/Puntuacion.h"

#include <gtest/gtest.h>

#include "JuegoDePrueba.h"

namespace tablerix {
namespace {

class Puntuacion : public ::testing::Test {
protected:
    JuegoDePrueba t;
    Juego& j = t.J;

    void Puntuar(int inicio, char direccion) {
        t.MarcarOcupadas();
        PuntuarPalabra(j, inicio, direccion);
    }
};

TEST_F(Puntuacion, ValoresDeLasLetras) {
    EXPECT_EQ(ValorLetra(j, 'A'), 1);
    EXPECT_EQ(ValorLetra(j, 'Q'), 5);
    EXPECT_EQ(ValorLetra(j, kEnie), 8);
    EXPECT_EQ(ValorLetra(j, 'Z'), 8);
    // No entry: worth nothing.
    EXPECT_EQ(ValorLetra(j, kBlanco), 0);
    EXPECT_EQ(ValorLetra(j, 'W'), 0);
    EXPECT_EQ(ValorLetra(j, 'a'), 0);
    EXPECT_EQ(ValorLetra(j, '\xF1'), 0);  // ñ
}

TEST_F(Puntuacion, PrimeraPalabraSobreElCentroDoblaLaPalabra) {
    t.Poner(110, "CASA");
    Puntuar(110, 'H');
    EXPECT_EQ(j.Palabra, "CASA");
    EXPECT_EQ(j.Notacion, "(3+1+1+1)x2=12");
    EXPECT_EQ(j.PuntosPalabra, 12);
    EXPECT_EQ(j.MultiplicadorPalabra, 2);
}

TEST_F(Puntuacion, LasLetrasSeAnotanEnElOrdenEnQueSeVisitan) {
    t.Fijar(108, "CA");
    t.Poner(110, "SA");
    Puntuar(110, 'H');
    EXPECT_EQ(j.Palabra, "CASA");
    EXPECT_EQ(j.Notacion, "1+1+3+1=6");
    EXPECT_EQ(j.PuntosPalabra, 6);

    // The same vertically: start, then upwards nearest first, then downwards.
    JuegoDePrueba v;
    v.Fijar(7, "CA", 'V');
    v.Poner(37, "SA", 'V');
    v.MarcarOcupadas();
    PuntuarPalabra(v.J, 37, 'V');
    EXPECT_EQ(v.J.Palabra, "CASA");
    EXPECT_EQ(v.J.Notacion, "1+1+3+1*2=7");  // square 52 is a double letter
}

TEST_F(Puntuacion, PremiosDeLetra) {
    j.Notacion.clear();
    t.Poner(3, 'C');  // double letter
    PuntuarLetra(j, 'C', 3);
    EXPECT_EQ(j.PuntosLetra, 6);
    EXPECT_EQ(j.Notacion, "3*2+");

    j.Notacion.clear();
    t.Poner(20, 'C');  // triple letter
    PuntuarLetra(j, 'C', 20);
    EXPECT_EQ(j.PuntosLetra, 9);
    EXPECT_EQ(j.Notacion, "3*3+");
}

TEST_F(Puntuacion, LosPremiosSoloCuentanBajoFichasDeEsteTurno) {
    // A fixed tile still showing the premium colour scores its plain value.
    t.Fijar(3, 'C');
    j.Form1.Label1[3].Fondo = kLetraX2;
    t.Fijar(0, 'A');
    j.Form1.Label1[0].Fondo = kPalabraX3;
    t.Poner(1, "RR");
    Puntuar(1, 'H');
    EXPECT_EQ(j.Palabra, "ARRC");
    EXPECT_EQ(j.Notacion, "1+1+1+3=6");
    EXPECT_EQ(j.MultiplicadorPalabra, 1);
}

TEST_F(Puntuacion, LosPremiosDePalabraSeMultiplicanEntreSi) {
    // Row 3: double word on columns 3 and 11, double letter on column 7.
    t.Poner(48, "AAAAAAAAA");
    Puntuar(48, 'H');
    EXPECT_EQ(j.Notacion, "(1+1+1+1+1*2+1+1+1+1)x4=40");
    EXPECT_EQ(j.PuntosPalabra, 40);

    // Row 0: triple word on columns 0 and 7.
    t.Poner(0, "AAAAAAAA");
    Puntuar(0, 'H');
    EXPECT_EQ(j.Notacion, "(1+1+1+1*2+1+1+1+1)x9=81");
    EXPECT_EQ(j.PuntosPalabra, 81);

    // Row 7: triple word on column 0, double word on the centre.
    JuegoDePrueba m;
    m.Poner(105, "AAAAAAAA");
    m.MarcarOcupadas();
    PuntuarPalabra(m.J, 112, 'H');
    EXPECT_EQ(m.J.MultiplicadorPalabra, 6);
    EXPECT_EQ(m.J.PuntosPalabra, 54);
}

TEST_F(Puntuacion, LaPalabraSeDetieneEnLosBordes) {
    // Columns 13 and 14 of row 1, then column 0 of row 2: two words, not one.
    t.Poner(28, "OS");
    t.Poner(30, 'A');
    t.Poner(31, 'L');
    Puntuar(28, 'H');
    EXPECT_EQ(j.Palabra, "OS");
    Puntuar(30, 'H');
    EXPECT_EQ(j.Palabra, "AL");

    // Column 14, rows 13 and 14: the bottom edge ends it; row 0 the top.
    t.Poner(209, "ES", 'V');
    Puntuar(224, 'V');
    EXPECT_EQ(j.Palabra, "ES");
    t.Poner(12, "YA", 'V');
    Puntuar(12, 'V');
    EXPECT_EQ(j.Palabra, "YA");
}

TEST_F(Puntuacion, UnaLetraSolaSeAnotaConSuValor) {
    t.Poner(1, 'F');
    Puntuar(1, 'H');
    EXPECT_EQ(j.Palabra, "F");
    EXPECT_EQ(j.Notacion, "4=4");
    EXPECT_EQ(j.PuntosPalabra, 4);
}

TEST_F(Puntuacion, SoloCuentanLasCasillasMarcadas) {
    // A tile that the scorer is not told about (mark "0") ends the word.
    t.Poner(110, "CASA");
    t.MarcarOcupadas();
    j.Form1.Label1[112].Marca = '0';
    PuntuarPalabra(j, 110, 'H');
    EXPECT_EQ(j.Palabra, "CA");
    j.Form1.Label1[112].Marca = '3';  // a blank given its letter counts
    PuntuarPalabra(j, 110, 'H');
    EXPECT_EQ(j.Palabra, "CASA");
}

}  // namespace
}  // namespace tablerix
