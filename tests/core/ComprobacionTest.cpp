#include "game/Comprobacion.h"

#include <gtest/gtest.h>

#include "JuegoDePrueba.h"

namespace tablerix {
namespace {

using Lineas = std::vector<std::string>;

const std::string kCentro_ = "La 1\xBA palabra debe pasar por el centro.";
const std::string kSinFichas = "No has colocado ninguna ficha.";
const std::string kNoEsPalabra = "Eso no es una palabra.";
const std::string kNoAlineadas = "La fichas no est\xE1n alineadas.";
const std::string kSinConexion = "Tienes que utilizar alguna de las fichas colocadas.";
const std::string kHuecos = "Hay huecos entre las letras.";

std::string Pregunta(const std::string& palabra) {
    return "No conozco la palabra:   " + palabra + ".\rQuieres incluirla en la lista?";
}

// A board with CASA fixed on squares 110 to 113 (row 7, columns 5 to 8).
class ConCasa : public ::testing::Test {
protected:
    JuegoDePrueba t{{"AS", "CASA", "CASAS", "CO", "MAS", "OS"}};
    Juego& j = t.J;

    void SetUp() override {
        t.Fijar(110, "CASA");
        j.PrimeraJugada = false;
    }
};

TEST(PrimeraJugada, ElCentroSeExigeAntesQueCualquierFicha) {
    JuegoDePrueba t;
    t.Comprobar();
    EXPECT_FALSE(t.J.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kCentro_});

    JuegoDePrueba u{{"OS"}};
    u.Poner(20, "OS");
    u.Comprobar();
    EXPECT_FALSE(u.J.JugadaValida);
    EXPECT_EQ(u.Textos(), Lineas{kCentro_});
    EXPECT_EQ(u.Ventana.Mensajes[0].Tipo, Icono::Exclamacion);
    EXPECT_FALSE(u.Ventana.Mensajes[0].ConCancelar);
}

TEST(PrimeraJugada, UnaFichaSolaNoEsPalabra) {
    JuegoDePrueba t;
    t.Poner(kCentro, 'A');
    t.Comprobar();
    EXPECT_FALSE(t.J.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kNoEsPalabra});
}

TEST(PrimeraJugada, DosFichasPorElCentroNoNecesitanConexion) {
    JuegoDePrueba t{{"OS"}};
    t.Poner(112, "OS");
    t.Comprobar();
    EXPECT_TRUE(t.J.JugadaValida);
    EXPECT_TRUE(t.Textos().empty());
    EXPECT_EQ(t.J.Form1.List4, (Lineas{"OS", "(1+1)x2=4"}));
    EXPECT_EQ(t.J.PuntosJugada, 4);
}

TEST(PrimeraJugada, SieteFichasSumanCincuenta) {
    JuegoDePrueba t{{"CASITAS"}};
    t.Poner(108, "CASITAS");
    t.Comprobar();
    EXPECT_TRUE(t.J.JugadaValida);
    EXPECT_EQ(t.J.Form1.List4,
              (Lineas{"CASITAS", "(3*2+1+1+1+1+1+1)x2=24", "Todas las fichas: +50"}));
    EXPECT_EQ(t.J.PuntosJugada, 74);
    EXPECT_EQ(t.J.SumaPalabras, 74);
    EXPECT_EQ(t.J.FichasColocadas, 0);
}

TEST(PrimeraJugada, MasFichasDeLasDeUnAtrilNoRompenNada) {
    // Only a damaged position can show eight tiles laid at once.
    JuegoDePrueba t{{"CASITASA"}};
    t.Poner(106, "CASITASA");
    t.Comprobar();
    EXPECT_TRUE(t.J.JugadaValida);
    EXPECT_EQ(t.J.Form1.List4.size(), 2u);  // no bonus: that is for exactly seven
}

TEST(PrimeraJugada, FichasEnEle) {
    JuegoDePrueba t{{"OS"}};
    t.Poner(112, "OS");
    t.Poner(128, 'A');
    t.Comprobar();
    EXPECT_FALSE(t.J.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kNoAlineadas});
}

TEST_F(ConCasa, SinFichasPuestas) {
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kSinFichas});
}

TEST_F(ConCasa, LasFichasDebenTocarLasDelTablero) {
    t.Poner(20, "OS");
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kSinConexion});
}

TEST_F(ConCasa, UnHuecoSeRechazaYUnaFichaFijaLoSalva) {
    // Column 6 through the fixed A on 111: M on 96, S on 141, 126 empty.
    t.Poner(96, 'M');
    t.Poner(141, 'S');
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kHuecos});

    // M right above the A and S right below: MAS, one word with the fixed A.
    Deshacer(j);
    t.Poner(96, 'M');
    t.Poner(126, 'S');
    t.Comprobar();
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{kHuecos});
    EXPECT_EQ(j.Form1.List4, (Lineas{"MAS", "3*2+1+1*2=9"}));
    EXPECT_EQ(j.PuntosJugada, 9);
}

TEST_F(ConCasa, UnaFichaSolaPuntuaSoloPorSuCruce) {
    t.Poner(125, 'O');  // under the C, nothing beside it
    t.Comprobar();
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_EQ(j.Form1.List4, (Lineas{"CO", "1+3=4"}));
    EXPECT_EQ(j.PuntosJugada, 4);
    EXPECT_EQ(j.SumaPalabras, 4);
}

TEST_F(ConCasa, PalabraPrincipalYCruces) {
    t.Poner(125, "OS");
    t.Comprobar();
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_TRUE(t.Textos().empty());
    EXPECT_EQ(j.Form1.List4, (Lineas{"OS", "1+1*2=3", "CO", "1+3=4", "AS", "1*2+1=3"}));
    EXPECT_EQ(j.PuntosJugada, 10);
    EXPECT_EQ(j.SumaPalabras, 10);
}

TEST_F(ConCasa, LaPrimeraNegativaTerminaLaComprobacion) {
    // L-shaped and unconnected at once: alignment is checked first.
    t.Poner(20, "OS");
    t.Poner(36, 'A');
    t.Comprobar();
    EXPECT_EQ(t.Textos(), Lineas{kNoAlineadas});
    EXPECT_EQ(j.FichasColocadas, 3);  // kept on a refusal
    EXPECT_EQ(j.Form1.Label1[20].Letra, 'O');
    EXPECT_EQ(j.Form1.Label1[20].ColorLetra, kRojo);
}

TEST_F(ConCasa, UnaPalabraIncluidaSeQuedaAunqueLaJugadaSeRechace) {
    j.Lista.CargarDesdeTexto("CASA\r\nCO\r\n");
    t.Ventana.Respuestas = {Respuesta::Aceptar, Respuesta::Cancelar};
    t.Poner(125, "OS");
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), (Lineas{Pregunta("OS"), Pregunta("AS")}));
    for (const auto& m : t.Ventana.Mensajes) {
        EXPECT_EQ(m.Tipo, Icono::Exclamacion);
        EXPECT_TRUE(m.ConCancelar);
    }
    EXPECT_TRUE(j.Lista.ExistePalabra("OS"));
    EXPECT_TRUE(j.Lista.DiccionarioModificado);
    EXPECT_FALSE(j.Lista.ExistePalabra("AS"));
    // A cross word is recorded and counted before it is looked up.
    EXPECT_EQ(j.Form1.List4, (Lineas{"OS", "1+1*2=3", "CO", "1+3=4", "AS", "1*2+1=3"}));
}

TEST_F(ConCasa, UnaPalabraPrincipalRechazadaNoSeRegistra) {
    j.Lista.CargarDesdeTexto("AS\r\nCO\r\n");
    j.Form1.List4 = {"viejo"};
    t.Ventana.Respuestas = {Respuesta::Cancelar};
    t.Poner(125, "OS");
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(t.Textos(), Lineas{Pregunta("OS")});
    EXPECT_TRUE(j.Form1.List4.empty());
    EXPECT_FALSE(j.Lista.ExistePalabra("OS"));
}

TEST_F(ConCasa, EnSilencioNadaSePreguntaNiSeMuestra) {
    j.Lista.CargarDesdeTexto("CO\r\nOS\r\n");
    t.Poner(125, "OS");
    t.Comprobar(true);
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_FALSE(j.Lista.ExistePalabra("AS"));

    Deshacer(j);
    t.Poner(20, "OS");
    t.Comprobar(true);
    EXPECT_FALSE(j.JugadaValida);
    Deshacer(j);
    t.Comprobar(true);
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_TRUE(t.Ventana.Mensajes.empty());

    // A silent success leaves the same record as a spoken one.
    j.Lista.CargarDesdeTexto("AS\r\nCO\r\nOS\r\n");
    t.Poner(125, "OS");
    t.Comprobar(true);
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_EQ(j.Form1.List4, (Lineas{"OS", "1+1*2=3", "CO", "1+3=4", "AS", "1*2+1=3"}));
    EXPECT_EQ(j.PuntosJugada, 10);
}

TEST_F(ConCasa, ElRegistroSeRehaceEnCadaComprobacion) {
    t.Poner(125, "OS");
    t.Comprobar(true);
    ASSERT_EQ(j.Form1.List4.size(), 6u);
    Deshacer(j);
    t.Poner(125, 'O');
    t.Comprobar(true);
    EXPECT_EQ(j.Form1.List4, (Lineas{"CO", "1+3=4"}));
}

// Blanks: the letter is asked while the laid tiles are found.
class Blancos : public ConCasa {};

TEST_F(Blancos, SeEligeLaLetraYQuedaMarcada) {
    t.Ventana.Letras = {'S'};
    t.Poner(125, 'O');
    t.Poner(126, kBlanco);
    t.Comprobar();
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_EQ(j.Form1.Label1[126].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[126].Marca, '3');
    EXPECT_FALSE(j.Form1.shpRojo.Visible);
    // The blank scores as its letter, premium included.
    EXPECT_EQ(j.Form1.List4, (Lineas{"OS", "1+1*2=3", "CO", "1+3=4", "AS", "1*2+1=3"}));
}

TEST_F(Blancos, AlRechazarVuelveAPreguntarse) {
    j.Lista.CargarDesdeTexto("AS\r\nCO\r\n");
    t.Ventana.Letras = {'S', 'S'};
    t.Ventana.Respuestas = {Respuesta::Cancelar, Respuesta::Aceptar};
    t.Poner(125, 'O');
    t.Poner(126, kBlanco);
    t.Comprobar();
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(j.Form1.Label1[126].Letra, kBlanco);
    EXPECT_EQ(j.Form1.Label1[126].Marca, '1');

    t.Comprobar();
    EXPECT_TRUE(j.JugadaValida);
    EXPECT_EQ(t.Ventana.PosicionesElector.size(), 2u);
    EXPECT_EQ(j.Form1.Label1[126].Letra, 'S');
}

TEST_F(Blancos, LaRestauracionAlcanzaLasNegativasDeForma) {
    JuegoDePrueba p;
    p.Ventana.Letras = {'A'};
    p.Poner(kCentro, kBlanco);
    p.Comprobar();
    EXPECT_EQ(p.Textos(), Lineas{kNoEsPalabra});
    EXPECT_EQ(p.J.Form1.Label1[kCentro].Letra, kBlanco);
    EXPECT_EQ(p.J.Form1.Label1[kCentro].Marca, '1');
}

TEST_F(Blancos, EnSilencioNoSeRestauran) {
    j.Lista.CargarDesdeTexto("CO\r\nOS\r\n");
    t.Ventana.Letras = {'S'};
    t.Poner(125, 'O');
    t.Poner(126, kBlanco);
    t.Comprobar(true);
    EXPECT_FALSE(j.JugadaValida);
    EXPECT_EQ(j.Form1.Label1[126].Letra, 'S');
    EXPECT_EQ(j.Form1.Label1[126].Marca, '3');
}

TEST_F(Blancos, ElElectorSeColocaLejosDelBlancoYVuelveSiSeCierra) {
    // Square 75 is in row 5: the chooser goes over row 9. Square 90 is in row 6:
    // over row 0. Its left edge is column 4's.
    t.Ventana.Letras = {'\0', '\0', 'E', 'E'};
    t.Poner(75, kBlanco);
    t.Poner(90, kBlanco);
    t.Comprobar();
    using Posicion = std::pair<int, int>;
    EXPECT_EQ(t.Ventana.PosicionesElector,
              (std::vector<Posicion>{{140, 248}, {140, 248}, {140, 248}, {140, 32}}));
    EXPECT_EQ(j.Form1.Label1[75].Letra, kBlanco);  // refused (not connected), so restored
}

// Sees what the window shows while the chooser is open.
class VentanaQueMira : public VentanaGuionizada {
public:
    const ModeloVentana* Modelo = nullptr;
    std::vector<Marco> Marcos;
    char ElegirLetra(int izquierda, int arriba) override {
        Marcos.push_back(Modelo->shpRojo);
        return VentanaGuionizada::ElegirLetra(izquierda, arriba);
    }
};

TEST(BlancoElegido, ElMarcoRojoSenalaElBlanco) {
    VentanaQueMira v;
    Juego j(v);
    v.Modelo = &j.Form1;
    DisenoInicial(j.Form1);
    LeerPremios(j);
    ConstruirValores(j);
    NuevaPartida(j);
    v.Letras = {'E'};
    j.Form1.Label1[kCentro] = {kBlanco, kRojo, '1', true, kPalabraX2};
    j.FichasColocadas = 1;
    ComprobarJugada(j);
    ASSERT_EQ(v.Marcos.size(), 1u);
    EXPECT_TRUE(v.Marcos[0].Visible);
    EXPECT_EQ(v.Marcos[0].Posicion.Izquierda, GeometriaCasilla(kCentro).Izquierda);
    EXPECT_EQ(v.Marcos[0].Posicion.Arriba, GeometriaCasilla(kCentro).Arriba);
    EXPECT_FALSE(j.Form1.shpRojo.Visible);
}

}  // namespace
}  // namespace tablerix
