#include <gtest/gtest.h>

#include "JuegoDePrueba.h"
#include "game/Comprobacion.h"

namespace tablerix {
namespace {

using prueba::Lineas;
using Textos = std::vector<std::string>;

std::string Pregunta(const std::string& palabra) {
    return "No conozco la palabra:   " + palabra + ".\rQuieres incluirla en la lista?";
}
const Textos kOsCoAs = {"OS", "1+1*2=3", "CO", "1+3=4", "AS", "1*2+1=3"};

// The refusals and records the move check makes on boards the scenarios do
// not reach. CASA is fixed on 110..113 unless the row is a first move.
TEST(ComprobarJugada, RechazosYRegistro) {
    struct Caso {
        const char* Que;
        bool Primera;
        std::vector<std::pair<int, const char*>> Puestas;
        Textos Mensajes, Registro;
        int Puntos;  // -1: refused
    };
    const std::vector<Caso> casos = {
        {"first move off the centre: the centre rule",
         true,
         {{20, "OS"}},
         Lineas({"La 1º palabra debe pasar por el centro."}),
         {},
         -1},
        {"eight tiles at once: no bonus, that is for exactly seven",
         true,
         {{106, "CASITASA"}},
         {},
         {"CASITASA", "(3+1+1*2+1+1+1+1+1)x2=22"},
         22},
        {"L-shaped and unconnected: alignment is refused first",
         false,
         {{20, "OS"}, {36, "A"}},
         Lineas({"La fichas no están alineadas."}),
         {},
         -1},
        {"a gap down column 6 beside the fixed A",
         false,
         {{96, "M"}, {141, "S"}},
         {"Hay huecos entre las letras."},
         {},
         -1},
        {"the fixed A bridges M above and S below",
         false,
         {{96, "M"}, {126, "S"}},
         {},
         {"MAS", "3*2+1+1*2=9"},
         9},
        {"main word and both cross words", false, {{125, "OS"}}, {}, kOsCoAs, 10},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.Que);
        JuegoDePrueba t({"AS", "CASA", "CASITASA", "CO", "MAS", "OS"});
        if (!c.Primera) t.Fijar(110, "CASA"), t.J.PrimeraJugada = false;
        for (const auto& [casilla, letras] : c.Puestas) t.Poner(casilla, letras);
        t.Comprobar();
        EXPECT_EQ(t.J.JugadaValida, c.Puntos >= 0);
        EXPECT_EQ(t.Textos(), c.Mensajes);
        if (c.Puntos >= 0) {
            EXPECT_EQ(t.J.Form1.List4, c.Registro);
            EXPECT_EQ(t.J.PuntosJugada, c.Puntos);
        }
    }
}

// OS under C A of CASA, with CO and AS across, on lists lacking some of them.
class ConCasa : public ::testing::Test {
  protected:
    JuegoDePrueba t;
    Juego& j = t.J;
    void SetUp() override { t.Fijar(110, "CASA"), j.PrimeraJugada = false; }
    void PonerOS(const char* lista) { j.Lista.CargarDesdeTexto(lista), t.Poner(125, "OS"); }
};

TEST_F(ConCasa, UnaPalabraIncluidaSeQuedaAunqueLaJugadaSeRechace) {
    PonerOS("CASA\r\nCO\r\n");
    t.Ventana.Respuestas = {Respuesta::Aceptar, Respuesta::Cancelar};
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), (Textos{Pregunta("OS"), Pregunta("AS")}));
    EXPECT_TRUE(j.Lista.ExistePalabra("OS") && j.Lista.DiccionarioModificado);
    EXPECT_FALSE(j.Lista.ExistePalabra("AS"));
    EXPECT_EQ(j.Form1.List4, kOsCoAs);  // a cross word is recorded before it is looked up

    Deshacer(j);
    PonerOS("AS\r\nCO\r\n");
    t.Ventana.Mensajes.clear();
    t.Ventana.Respuestas = {Respuesta::Cancelar};
    t.Comprobar();
    EXPECT_EQ(t.Textos(), Textos{Pregunta("OS")});
    EXPECT_TRUE(j.Form1.List4.empty());  // a main word is not
    EXPECT_FALSE(j.Lista.ExistePalabra("OS"));
}

TEST_F(ConCasa, EnSilencioNadaSePreguntaNiSeMuestraNiSeRestaura) {
    PonerOS("CO\r\nOS\r\n");
    t.Ventana.Letras = {'S'};
    t.Poner(126, kBlanco);
    t.Comprobar(true);
    EXPECT_FALSE(j.JugadaValida || j.Lista.ExistePalabra("AS"));
    // The blank keeps the letter it was given: the search lays letters only.
    EXPECT_EQ(j.Form1.Label1[126].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[126].Marca, '3');
    // Shape refusals are silent too.
    for (int pasos = 0; pasos < 2; ++pasos) {
        Deshacer(j);
        if (pasos == 0) t.Poner(20, "OS");
        t.Comprobar(true);
        EXPECT_FALSE(j.JugadaValida);
    }
    EXPECT_TRUE(t.Ventana.Mensajes.empty());  // the computer's logged words show a silent success
}

// Notes the red frame each time the chooser opens.
class VentanaQueMira : public VentanaGuionizada {
  public:
    const ModeloVentana* Modelo = nullptr;
    std::vector<Marco> Marcos;
    char ElegirLetra(int izquierda, int arriba) override {
        Marcos.push_back(Modelo->shpRojo);
        return VentanaGuionizada::ElegirLetra(izquierda, arriba);
    }
};

TEST(Blancos, ElElectorSeColocaLejosDelBlancoYVuelveSiSeCierra) {
    JuegoDePruebaCon<VentanaQueMira> t;
    t.Ventana.Modelo = &t.J.Form1;
    t.Fijar(110, "CASA");
    t.J.PrimeraJugada = false;
    // Square 75 is in row 5: the chooser goes over row 9. Square 90 is in row 6:
    // over row 0. Its left edge is column 4's. Closing it without a letter reopens it.
    t.Ventana.Letras = {'\0', '\0', 'E', 'E'};
    t.Poner(75, kBlanco);
    t.Poner(90, kBlanco);
    t.Comprobar();
    EXPECT_EQ(t.Ventana.PosicionesElector,
              (std::vector<std::pair<int, int>>{{140, 248}, {140, 248}, {140, 248}, {140, 32}}));
    // The red frame marks the blank being asked, and goes when it is answered.
    const Marco en75{true, GeometriaCasilla(75)}, en90{true, GeometriaCasilla(90)};
    EXPECT_EQ(t.Ventana.Marcos, (std::vector<Marco>{en75, en75, en75, en90}));
    EXPECT_FALSE(t.J.Form1.shpRojo.Visible);
    // Refused as not connected: a shape refusal restores the blanks too.
    EXPECT_EQ(t.Textos(), Lineas({"Tienes que utilizar alguna de las fichas colocadas."}));
    EXPECT_EQ(t.J.Form1.Label1[75],
              (Casilla{kBlanco, kRojo, '1', true, t.J.Form1.Label1[75].Fondo}));
}

}  // namespace
}  // namespace tablerix
