// The main window's fixed layout, colours, buttons and menus.
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "VentanaDePrueba.h"
#include "game/Nivel.h"

namespace tablerix::prueba {
namespace {

using Disposicion = VentanaDePrueba;

// Colour of a pixel just inside a widget's lower left corner, clear of its text.
QColor ColorDentro(QWidget* cliente, QWidget* w) {
    const QImage imagen = cliente->grab().toImage();
    return imagen.pixelColor(w->x() + 3, w->y() + w->height() - 3);
}

TEST_F(Disposicion, WindowIsFixedCentredAndCannotBeMaximised) {
    form->Mostrar();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tablerix 2.1"));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->Cliente->size(), QSize(642, 408));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QPoint centro = form->screen()->availableGeometry().center();
    EXPECT_LE((form->geometry().center() - centro).manhattanLength(), 2);
}

TEST_F(Disposicion, WidgetsStandWhereTheTablePutsThem) {
    const std::vector<std::pair<QWidget*, QRect>> tabla = {
        {form->Label2[3], {44, 12, 80, 17}},     {form->Label2[0], {324, 12, 80, 17}},
        {form->Label1[0], {44, 32, 25, 25}},     {form->Label1[16], {68, 56, 25, 25}},
        {form->Label1[224], {380, 368, 25, 25}}, {form->lblPuntos, {4, 28, 37, 365}},
        {form->Label3[0], {428, 8, 41, 25}},     {form->Label4[0], {472, 8, 49, 25}},
        {form->Label4[1], {528, 8, 49, 25}},     {form->Label3[1], {580, 8, 41, 25}},
        {form->Label7, {464, 40, 41, 17}},       {form->Label6, {544, 40, 81, 17}},
        {form->shpMandos, {416, 64, 217, 125}},  {form->shpFondoLetras, {424, 72, 169, 25}},
        {form->Label5[0], {424, 72, 25, 25}},    {form->Label5[6], {568, 72, 25, 25}},
        {form->cmdEscape, {600, 72, 25, 25}},    {form->Label9, {424, 100, 201, 33}},
        {form->cmdOk, {424, 140, 73, 41}},       {form->cmdCambiar, {504, 140, 57, 41}},
        {form->cmdPasar, {568, 140, 57, 41}},    {form->lstPartida, {416, 192, 217, 199}},
        {form->Label8[2], {428, 372, 61, 17}},   {form->Label11[0], {488, 368, 20, 20}},
        {form->Label11[6], {608, 368, 20, 20}},  {form->shpLargo, {44, 396, 361, 9}},
    };
    for (const auto& [widget, posicion] : tabla) EXPECT_EQ(widget->geometry(), posicion);
}

TEST_F(Disposicion, FixedColoursAreDrawn) {
    form->Mostrar();
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label2[3]), QColor(192, 192, 255));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label2[2]), QColor(255, 192, 192));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label2[1]), QColor(128, 255, 128));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label2[0]), QColor(255, 192, 128));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label4[0]), QColor(Qt::black));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label9), QColor(Qt::black));
    EXPECT_EQ(ColorDentro(form->Cliente, form->Label7), QColor(Qt::white));
    EXPECT_EQ(form->Label4[1]->ColorTexto(), QColor(0, 255, 0));
    EXPECT_EQ(form->Label11[3]->Fondo(), QColor(192, 255, 255));
    EXPECT_EQ(form->Label11[3]->ColorTexto(), QColor(64, 64, 64));
    const QImage imagen = form->Cliente->grab().toImage();
    EXPECT_EQ(imagen.pixelColor(form->shpMandos->x() + 3, form->shpMandos->y() + 120),
              QColor(128, 128, 128));
}

TEST_F(Disposicion, ButtonsCaptionsTabOrderAndTooltip) {
    MostrarActiva();
    EXPECT_EQ(form->cmdOk->text(), QStringLiteral("&OK"));
    EXPECT_TRUE(form->cmdOk->font().bold());
    EXPECT_EQ(form->cmdCambiar->text(), QStringLiteral("Cambiar"));
    EXPECT_EQ(form->cmdPasar->text(), QStringLiteral("Pasar"));
    EXPECT_EQ(form->cmdEscape->toolTip(), QStringLiteral("Deshacer/Cancelar"));
    EXPECT_FALSE(form->cmdEscape->icon().isNull());
    EXPECT_EQ(QApplication::focusWidget(), form->cmdOk);
    EXPECT_EQ(form->cmdOk->nextInFocusChain(), form->cmdCambiar);
    EXPECT_EQ(form->cmdCambiar->nextInFocusChain(), form->cmdPasar);
}

TEST_F(Disposicion, MenusHoldTheirEntriesInOrder) {
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("Juego"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("Inteligencia"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("Ayuda"));

    QStringList juego;
    for (QAction* a : menus[0]->menu()->actions())
        juego << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(juego, QStringList({"Nuevo", "Guardar", "Cargar", "Borrar guardado", "-",
                                  "Fichas PC", "Recomendar"}));
    EXPECT_EQ(form->MnuNew->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(form->MnuRecom->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(form->MnuHelp->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(form->MnuContra->isCheckable());
    EXPECT_FALSE(form->MnuContra->isChecked());

    ASSERT_EQ(menus[1]->menu()->actions().size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(form->MnuNiv[i]->text(), QString::fromUtf8(kNiveles[i].Titulo));
        EXPECT_TRUE(form->MnuNiv[i]->isCheckable());
    }
    EXPECT_EQ(form->MnuHelp->text(), QStringLiteral("Como Jugar"));
    EXPECT_EQ(form->About->text(), QStringLiteral("Acerca de..."));
}

}  // namespace
}  // namespace tablerix::prueba
