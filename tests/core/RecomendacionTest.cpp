#include <gtest/gtest.h>

#include <tuple>

#include "JuegoDePrueba.h"
#include "app/Eventos.h"
#include "computer/Recomendacion.h"

namespace tablerix {
namespace {

// The proposals themselves, their rack matching and OK are the scenarios';
// here what the recommendation leaves around them. AS is the one word to find.
class Recomendacion : public ::testing::Test {
  protected:
    Recomendacion() : t({"AS", "CASA"}) {
        ElegirNivel(j, 0);
        t.Fijar(110, "CASA");
        j.PrimeraJugada = false;
        prueba::DarAtril(j, 1, "EAOAIUL");
    }
    JuegoDePrueba t;
    Juego& j = t.J;
};

TEST_F(Recomendacion, LoPuestoVuelveAntesYNadaDuraderoCambia) {
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    Atril_EmpezarArrastre(j, 6);
    Casilla_Soltar(j, 20);
    MnuRecom_Click(j);
    EXPECT_EQ(j.Form1.Label1[20].Letra, kCasillaVacia);
    EXPECT_EQ(j.Form1.Label1[97], (Casilla{'A', kRojo, '1', false, kColorVentana}));
    for (int q = 110; q <= 113; ++q) EXPECT_EQ(j.Form1.Label1[q].Marca, '0');
    EXPECT_EQ(prueba::Mostrado(j) + prueba::Atril(j, 1), "EOAIUL.EAOAIUL");
    EXPECT_EQ(std::tuple(j.Tablero[97], j.Form1.Label4[0], j.Turno, j.Form1.Habilitada,
                         j.Form1.ProgresoVisible, t.Ventana.LlamadasEnfocarOk),
              std::tuple(kCasillaVacia, std::string("0"), 1, true, false, 1));
}

TEST_F(Recomendacion, LaVentanaEstaDeshabilitadaMientrasBusca) {
    // Sees the window when the word is vetoed, in the middle of the search.
    class Espia : public ObservadorLista {
      public:
        explicit Espia(Juego& j) : j_(j) {}
        void Incluida(int, const std::string&) override {}
        void Recargada() override {}
        void Borrada(int, const std::string&) override {
            Habilitada = j_.Form1.Habilitada;
            Estado = j_.Form1.Label9;
        }
        bool Habilitada = true;
        std::string Estado;

      private:
        Juego& j_;
    } espia(j);
    j.Lista.AgregarObservador(&espia);
    t.Ventana.RespuestaAutomatica = Respuesta::Cancelar;
    MnuRecom_Click(j);
    j.Lista.QuitarObservador(&espia);
    EXPECT_FALSE(espia.Habilitada);
    EXPECT_EQ(espia.Estado, Txt("Estoy buscando una recomendación. Espera..."));
    // The only word vetoed, nothing is left to propose; the window is back.
    EXPECT_FALSE(j.Lista.ExistePalabra("AS"));
    EXPECT_EQ(t.Textos().back(), "No encuentro combinaciones.");
    EXPECT_EQ(prueba::Mostrado(j), "EAOAIUL");
    for (const Casilla& c : j.Form1.Label1)
        EXPECT_FALSE(c.Letra != kCasillaVacia && c.ColorLetra == kRojo);
    EXPECT_TRUE(j.Form1.Habilitada);
}

TEST(RecomendacionApertura, ElBlancoPropuestoVuelveAlAtrilComoBlanco) {
    JuegoDePrueba t({"CASA"});
    Juego& j = t.J;
    ElegirNivel(j, 0);
    prueba::DarAtril(j, 1, "ASA*EIO");
    t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    MnuRecom_Click(j);
    ASSERT_EQ(j.Form1.Label1[111].Letra, 'C');  // the blank, shown as its letter
    Casilla_Pulsar(j, 111, true);
    EXPECT_EQ(prueba::Mostrado(j), "EIO*...");
    // Moved first, it is still the blank.
    MnuRecom_Click(j);
    Casilla_EmpezarArrastre(j, 111);
    Casilla_Soltar(j, 20);
    Casilla_Pulsar(j, 20, true);
    EXPECT_EQ(prueba::Mostrado(j), "EIO*...");
}

}  // namespace
}  // namespace tablerix
