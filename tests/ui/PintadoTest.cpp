// The window shows what the model holds, and only that.
#include "VentanaDePrueba.h"
#include "wordlist/Texto.h"

namespace tablerix::prueba {
namespace {

class Pintado : public VentanaDePrueba {
protected:
    bool LineaALaVista(int fila) {
        const QRect linea = form->lstPartida->visualItemRect(form->lstPartida->item(fila));
        return form->lstPartida->viewport()->rect().contains(linea);
    }
};

TEST_F(Pintado, SquaresShowLetterLetterColourAndBackground) {
    Casilla& fija = j.Form1.Label1[112];
    fija = {kEnie, kNegro, '0', false, kColorFicha};
    Casilla& puesta = j.Form1.Label1[113];
    puesta = {'A', kRojo, '1', true, kPalabraX2};
    j.Form1.Label1[0].Fondo = kPalabraX3;
    form->Pintar();

    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("Ñ"));
    EXPECT_EQ(form->Label1[112]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(form->Label1[112]->Fondo(), QColor(255, 255, 192));
    EXPECT_EQ(form->Label1[113]->ColorTexto(), QColor(255, 0, 0));
    EXPECT_EQ(form->Label1[113]->Fondo(), QColor(128, 255, 128));
    // A plain square takes the system's window colour.
    EXPECT_EQ(form->Label1[1]->Fondo(), QApplication::palette().color(QPalette::Base));
    const QImage imagen = form->Cliente->grab().toImage();
    EXPECT_EQ(imagen.pixelColor(form->Label1[0]->x() + 3, form->Label1[0]->y() + 22),
              QColor(255, 192, 128));
}

TEST_F(Pintado, RacksShowTheirTilesAndHideEmptySlots) {
    const char letras[] = "ABC*";
    for (int k = 0; k < kRanuras; ++k) {
        j.Form1.Label5[k].Letra = k < 4 ? letras[k] : kSinFicha;
        j.Form1.Label5[k].Visible = k < 4;
        j.Form1.Label11[k].Letra = 'Z';
    }
    j.Form1.Label5[1].Fondo = kMagenta;
    j.Form1.Label11[6] = {kSinFicha, false};
    form->Mostrar();

    EXPECT_EQ(form->Label5[3]->Texto(), QStringLiteral("*"));
    EXPECT_TRUE(form->Label5[3]->isVisible());
    EXPECT_FALSE(form->Label5[4]->isVisible());
    EXPECT_EQ(form->Label5[1]->Fondo(), QColor(255, 0, 255));
    EXPECT_EQ(form->Label5[0]->Fondo(), QColor(255, 255, 192));
    EXPECT_EQ(form->Label11[0]->Texto(), QStringLiteral("Z"));
    EXPECT_FALSE(form->Label11[6]->isVisible());
}

TEST_F(Pintado, LabelsShowScoresBagLevelStatusAndLegend) {
    j.Form1.Label4 = {"123", "-7"};
    j.Form1.Label7 = "86";
    j.Form1.Label6 = "Furby";
    j.Form1.Label9 = Txt("Estoy buscando una recomendación. Espera...");
    j.Form1.lblPuntos = Txt(" N-1   Ñ-8   O-1  ");
    form->Pintar();
    EXPECT_EQ(form->Label4[0]->Texto(), QStringLiteral("123"));
    EXPECT_EQ(form->Label4[1]->Texto(), QStringLiteral("-7"));
    EXPECT_EQ(form->Label7->Texto(), QStringLiteral("86"));
    EXPECT_EQ(form->Label6->Texto(), QStringLiteral("Furby"));
    EXPECT_EQ(form->Label9->Texto(), QStringLiteral("Estoy buscando una recomendación. Espera..."));
    EXPECT_EQ(form->lblPuntos->Texto(), QStringLiteral(" N-1   Ñ-8   O-1  "));
}

TEST_F(Pintado, LongStatusTextIsDrawnSmallerToFitTheStatusLine) {
    j.Form1.Label9 = Txt("Es tu turno.");
    form->Pintar();
    const int normal = form->Label9->FuenteDibujada().pixelSize();
    j.Form1.Label9 =
        Txt("Selecciona las fichas y pulsa 'OK'. Utiliza el botón DESHACER para cancelar.");
    form->Pintar();
    const QFont fuente = form->Label9->FuenteDibujada();
    EXPECT_LT(fuente.pixelSize(), normal);
    const QRect ocupado = QFontMetrics(fuente).boundingRect(
        QRect(0, 0, form->Label9->width() - 4, 1000), Qt::TextWordWrap, form->Label9->Texto());
    EXPECT_LE(ocupado.height(), form->Label9->height() - 2);
}

TEST_F(Pintado, LogKeepsNewestLineInViewAndSelectedLineHighlighted) {
    form->Mostrar();
    for (int i = 0; i < 40; ++i) j.Form1.lstPartida.push_back("linea " + std::to_string(i));
    j.Form1.SeleccionPartida = 38;
    form->Pintar();
    ASSERT_EQ(form->lstPartida->count(), 40);
    EXPECT_EQ(form->lstPartida->currentRow(), 38);
    EXPECT_TRUE(form->lstPartida->item(38)->isSelected());
    EXPECT_TRUE(LineaALaVista(39));
    EXPECT_FALSE(LineaALaVista(0));

    // Another block appended: the old lines stay, the view follows.
    for (int i = 40; i < 60; ++i) j.Form1.lstPartida.push_back("linea " + std::to_string(i));
    j.Form1.SeleccionPartida = 58;
    form->Pintar();
    EXPECT_EQ(form->lstPartida->item(0)->text(), QStringLiteral("linea 0"));
    EXPECT_TRUE(LineaALaVista(59));
    EXPECT_TRUE(form->lstPartida->item(58)->isSelected());

    // A new game clears the log.
    j.Form1.lstPartida = {Txt("Nueva partida")};
    j.Form1.SeleccionPartida = -1;
    form->Pintar();
    ASSERT_EQ(form->lstPartida->count(), 1);
    EXPECT_EQ(form->lstPartida->item(0)->text(), QStringLiteral("Nueva partida"));
    EXPECT_TRUE(form->lstPartida->selectedItems().isEmpty());
}

TEST_F(Pintado, LogHeightUncoversTheComputersRackAndKeepsTheNewestLineInView) {
    form->Mostrar();
    for (int i = 0; i < 40; ++i) j.Form1.lstPartida.push_back("linea " + std::to_string(i));
    j.Form1.SeleccionPartida = 38;
    form->Pintar();
    auto cubierta = [&] {
        return form->lstPartida->geometry().intersects(form->Label11[0]->geometry());
    };
    EXPECT_TRUE(cubierta());
    j.Form1.AltoPartida = kAltoPartidaCorto;
    form->Pintar();
    EXPECT_EQ(form->lstPartida->height(), 173);
    EXPECT_FALSE(cubierta());
    EXPECT_TRUE(LineaALaVista(39));
    EXPECT_FALSE(form->lstPartida->geometry().intersects(form->Label8[2]->geometry()));
}

TEST_F(Pintado, ProgressBarAndFramesFollowTheModel) {
    form->Mostrar();
    EXPECT_FALSE(form->shpLargo->isVisible());
    EXPECT_FALSE(form->shpAzul->isVisible());
    EXPECT_FALSE(form->shpRojo->isVisible());

    j.Form1.ProgresoVisible = true;
    j.Form1.AnchoProgreso = 120;
    j.Form1.shpAzul = {true, {68, 200, 73, 25}};
    j.Form1.shpRojo = {true, GeometriaCasilla(40)};
    form->Pintar();
    EXPECT_TRUE(form->shpLargo->isVisible());
    EXPECT_TRUE(form->shpCorto->isVisible());
    EXPECT_EQ(form->shpCorto->geometry(), QRect(44, 396, 120, 9));
    EXPECT_EQ(form->shpAzul->geometry(), QRect(68, 200, 73, 25));
    EXPECT_EQ(form->shpRojo->geometry(), form->Label1[40]->geometry());
    const QImage imagen = form->Cliente->grab().toImage();
    EXPECT_EQ(imagen.pixelColor(44 + 60, 400), QColor(0, 0, 255));
    EXPECT_EQ(imagen.pixelColor(68, 210), QColor(0, 0, 255));  // the frame's left side

    j.Form1.ProgresoVisible = false;
    j.Form1.shpAzul.Visible = false;
    form->Pintar();
    EXPECT_FALSE(form->shpCorto->isVisible());
    EXPECT_FALSE(form->shpAzul->isVisible());
}

}  // namespace
}  // namespace tablerix::prueba
