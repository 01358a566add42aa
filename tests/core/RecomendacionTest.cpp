#include "computer/Recomendacion.h"

#include <gtest/gtest.h>

#include "TurnoDePrueba.h"
#include "computer/Eventos.h"

namespace tablerix {
namespace {

using prueba::Atril;
using prueba::DarAtril;
using prueba::Lineas;
using prueba::LineasDesde;

std::string LetrasAtril(const Juego& j) {
    std::string s;
    for (const FichaJugador& r : j.Form1.Label5) s += r.Visible ? r.Letra : '.';
    return s;
}

class Recomendacion : public ::testing::Test {
protected:
    explicit Recomendacion(std::initializer_list<std::string_view> palabras) : t(palabras) {
        ElegirNivel(j, 0);
        t.Ventana.RespuestaAutomatica = Respuesta::Aceptar;
    }
    JuegoDePrueba t;
    Juego& j = t.J;
};

class RecomendacionMedio : public Recomendacion {
protected:
    RecomendacionMedio() : Recomendacion({"AS", "CASA"}) {
        t.Fijar(110, "CASA");
        j.PrimeraJugada = false;
        DarAtril(j, 1, "EAOAIUL");
    }
};

TEST_F(RecomendacionMedio, UsaLaPrimeraDeDosAesYDejaLaJugadaPuesta) {
    // A tile laid before asking goes back first.
    Atril_EmpezarArrastre(j, 6);
    Casilla_Soltar(j, 20);
    MnuRecom_Click(j);

    EXPECT_EQ(t.Textos(), std::vector<std::string>{Txt("¿Aceptas esta palabra?") + "\r\rAS"});
    EXPECT_EQ(j.Form1.Label1[20].Letra, kCasillaVacia);
    const Casilla& a = j.Form1.Label1[97];  // above the S of square 112
    EXPECT_EQ(a.Letra, 'A');
    EXPECT_EQ(a.ColorLetra, kRojo);
    EXPECT_EQ(a.Marca, '1');
    EXPECT_FALSE(a.Movible);  // a mid-game proposal goes back only all together
    for (int q = 110; q <= 113; ++q) EXPECT_EQ(j.Form1.Label1[q].Marca, '0');
    EXPECT_EQ(LetrasAtril(j), "EOAIUL.");
    // Nothing lasting changed.
    EXPECT_EQ(Atril(j, 1), "EAOAIUL");
    EXPECT_EQ(j.Tablero[97], kCasillaVacia);
    EXPECT_EQ(j.Form1.Label4[0], "0");
    EXPECT_EQ(j.Form1.Label9, "Es tu turno.");
    EXPECT_EQ(j.Form1.ModoLabel9, '0');
    EXPECT_TRUE(j.Form1.Habilitada);
    EXPECT_FALSE(j.Form1.ProgresoVisible);
    EXPECT_EQ(j.Turno, 1);
    EXPECT_EQ(t.Ventana.LlamadasEnfocarOk, 1);

    // OK plays it like the player's own move.
    const std::size_t desde = j.Form1.lstPartida.size();
    cmdOk_Click(j);
    const auto lineas = LineasDesde(j, desde);
    ASSERT_GE(lineas.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lineas.begin(), lineas.begin() + 5),
              Lineas({"-----Jugador-----", "AS", "1+1=2", "-----Total: 2", ""}));
    EXPECT_EQ(Atril(j, 1).substr(0, 6), "EOAIUL");
    EXPECT_EQ(j.Tablero[97], 'A');
}

TEST_F(RecomendacionMedio, LaVentanaEstaDeshabilitadaMientrasBusca) {
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
    // The veto happens in the middle of the recommendation.
    t.Ventana.RespuestaAutomatica = Respuesta::Cancelar;
    MnuRecom_Click(j);
    j.Lista.QuitarObservador(&espia);

    EXPECT_FALSE(espia.Habilitada);
    EXPECT_EQ(espia.Estado, Txt("Estoy buscando una recomendación. Espera..."));
    // The only word vetoed, nothing is left to propose.
    EXPECT_FALSE(j.Lista.ExistePalabra("AS"));
    EXPECT_EQ(t.Textos().back(), "No encuentro combinaciones.");
    EXPECT_EQ(LetrasAtril(j), "EAOAIUL");
    for (const Casilla& c : j.Form1.Label1)
        EXPECT_FALSE(c.Letra != kCasillaVacia && c.ColorLetra == kRojo);
    EXPECT_TRUE(j.Form1.Habilitada);
}

class RecomendacionApertura : public Recomendacion {
protected:
    RecomendacionApertura() : Recomendacion({"CASA", "CASERA"}) {
        DarAtril(j, 1, "AASCER*");
    }
};

TEST_F(RecomendacionApertura, PoneLaPalabraEnLaFilaCentralConFichasMovibles) {
    MnuRecom_Click(j);
    for (int q = 107; q <= 112; ++q) {
        const Casilla& c = j.Form1.Label1[q];
        EXPECT_EQ(c.Letra, "CASERA"[q - 107]);
        EXPECT_EQ(c.ColorLetra, kRojo);
        EXPECT_EQ(c.Marca, '1');
        EXPECT_TRUE(c.Movible);
        EXPECT_EQ(j.Tablero[q], kCasillaVacia);
    }
    EXPECT_EQ(LetrasAtril(j), "*......");
    EXPECT_TRUE(j.PrimeraJugada);

    // One tile back by right click, then all through the take-back button.
    Casilla_Pulsar(j, 112, true);
    EXPECT_EQ(LetrasAtril(j), "*A.....");
    cmdEscape_Click(j);
    EXPECT_EQ(LetrasAtril(j), "AASCER*");
    for (int q = 107; q <= 112; ++q) EXPECT_EQ(j.Form1.Label1[q].Letra, kCasillaVacia);
}

TEST_F(RecomendacionApertura, SinPartidaNoHaceNada) {
    j.PartidaEnCurso = false;
    MnuRecom_Click(j);
    EXPECT_TRUE(t.Textos().empty());
    EXPECT_EQ(j.Form1.Label1[112].Letra, kCasillaVacia);
    EXPECT_EQ(t.Ventana.LlamadasEnfocarOk, 0);
}

}  // namespace
}  // namespace tablerix
