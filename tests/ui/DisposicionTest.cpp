// The main window's fixed layout, and the widgets showing what the model holds.
#include "VentanaDePrueba.h"
#include "ui/TamanoVentana.h"
#include "wordlist/Texto.h"

namespace tablerix::prueba {
namespace {

using Disposicion = VentanaDePrueba;

TEST_F(Disposicion, WidgetsStandAndAreColouredAsTheTableSaysAtEverySize) {
    form->Mostrar();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tablerix 2.1"));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
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
    for (const int veces : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << veces * 100 << " %");
        form->PonerTamano(100 * veces);
        EXPECT_EQ(form->Cliente->size(), QSize(642, 408) * veces);
        EXPECT_EQ(form->minimumSize(), form->maximumSize());
        EXPECT_EQ(form->Label1[0]->FuenteDibujada().pixelSize(), 19 * veces);
        EXPECT_EQ(form->lstPartida->font().pixelSize(), 11 * veces);
        const QImage imagen = form->Cliente->grab().toImage();
        for (const auto& fila : tabla) {
            SCOPED_TRACE(::testing::Message()
                         << "at " << fila.posicion.x() << "," << fila.posicion.y());
            const QRect posicion(fila.posicion.topLeft() * veces, fila.posicion.size() * veces);
            EXPECT_EQ(fila.widget->geometry(), posicion);
            if (fila.color.isValid()) {
                EXPECT_EQ(imagen.pixelColor(posicion.bottomLeft() + QPoint(3, -3)), fila.color);
            }
        }
        // Whatever stands in the window is placed through the one mapping.
        for (QWidget* hijo : form->Cliente->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(Colocado(hijo)) << hijo->metaObject()->className();
            EXPECT_EQ(hijo->geometry(), Escalar(Diseno(hijo)));
        }
    }
}

TEST(TamanoInicial, TheLargestSizeWhoseWindowFitsInSixtyPercentOfTheScreenNeverBelow100) {
    const QSize ventana(642, 430);
    const struct {
        QSize disponible;
        int porcentaje;
    } tabla[] = {{{800, 600}, 100},   {{1366, 728}, 100},  {{1920, 1040}, 125},
                 {{1920, 1200}, 150}, {{2560, 1440}, 200}, {{3840, 2160}, 300}};
    for (const auto& fila : tabla)
        EXPECT_EQ(TamanoInicial(ventana, fila.disponible), fila.porcentaje)
            << fila.disponible.width() << "x" << fila.disponible.height();
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
