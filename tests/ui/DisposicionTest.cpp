// The main window's fixed layout, and the widgets showing what the model holds.
#include "VentanaDePrueba.h"
#include "wordlist/Texto.h"

namespace tablerix::prueba {
namespace {

using Disposicion = VentanaDePrueba;

TEST_F(Disposicion, WidgetsStandAndAreColouredAsTheTableSays) {
    form->Mostrar();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tablerix 2.1"));
    EXPECT_EQ(form->Cliente->size(), QSize(642, 408));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

    const QImage imagen = form->Cliente->grab().toImage();
    const struct {
        QWidget* widget;
        QRect posicion;
        QColor color;  // just inside the lower left corner, clear of any text; invalid: not checked
    } tabla[] = {
        {form->Label2[3], {44, 12, 80, 17}, QColor(192, 192, 255)},
        {form->Label2[0], {324, 12, 80, 17}, QColor(255, 192, 128)},
        {form->Label1[224], {380, 368, 25, 25}, {}},
        {form->Label4[1], {528, 8, 49, 25}, QColor(Qt::black)},
        {form->Label7, {464, 40, 41, 17}, QColor(Qt::white)},
        {form->shpMandos, {416, 64, 217, 125}, QColor(128, 128, 128)},
        {form->Label9, {424, 100, 201, 33}, QColor(Qt::black)},
        {form->cmdOk, {424, 140, 73, 41}, {}},
        {form->lstPartida, {416, 192, 217, 199}, {}},
        {form->Label11[6], {608, 368, 20, 20}, {}},
        {form->shpLargo, {44, 396, 361, 9}, {}},
    };
    for (const auto& fila : tabla) {
        SCOPED_TRACE(::testing::Message()
                     << "at " << fila.posicion.x() << "," << fila.posicion.y());
        EXPECT_EQ(fila.widget->geometry(), fila.posicion);
        if (fila.color.isValid()) {
            EXPECT_EQ(imagen.pixelColor(fila.posicion.bottomLeft() + QPoint(3, -3)), fila.color);
        }
    }
}

TEST_F(Disposicion, WidgetsShowTheModel) {
    ModeloVentana& m = j.Form1;
    m.Label1[112] = {kEnie, kNegro, '0', false, kPalabraX3};
    m.ProgresoVisible = true;
    m.AnchoProgreso = 120;
    m.shpAzul = {true, {68, 200, 73, 25}};
    m.shpRojo = {true, GeometriaCasilla(40)};
    form->Mostrar();

    EXPECT_EQ(form->Label1[112]->Texto(), QStringLiteral("Ñ"));
    EXPECT_EQ(form->Label1[112]->ColorTexto(), QColor(Qt::black));
    EXPECT_EQ(form->Label1[112]->Fondo(), QColor(255, 192, 128));
    EXPECT_EQ(form->shpCorto->geometry(), QRect(44, 396, 120, 9));
    EXPECT_EQ(form->shpRojo->geometry(), form->Label1[40]->geometry());
    const QImage imagen = form->Cliente->grab().toImage();
    EXPECT_EQ(imagen.pixelColor(44 + 60, 400), QColor(0, 0, 255));  // progress drawn
    EXPECT_EQ(imagen.pixelColor(68, 210), QColor(0, 0, 255));       // blue frame's left side

    m.ProgresoVisible = false;
    m.shpAzul.Visible = false;
    form->Pintar();
    EXPECT_FALSE(form->shpCorto->isVisible());
    EXPECT_FALSE(form->shpAzul->isVisible());
}

TEST_F(Disposicion, LongStatusTextIsDrawnSmallerToFitTheStatusLine) {
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

}  // namespace
}  // namespace tablerix::prueba
