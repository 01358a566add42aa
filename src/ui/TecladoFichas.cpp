#include "ui/TecladoFichas.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <utility>

#include "app/Eventos.h"
#include "ui/Form1.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

constexpr std::pair<int, Tecla> kTeclas[] = {
    {Qt::Key_Return, Tecla::Intro},   {Qt::Key_Enter, Tecla::Intro},
    {Qt::Key_Escape, Tecla::Escape},  {Qt::Key_Backspace, Tecla::Retroceso},
    {Qt::Key_Left, Tecla::Izquierda}, {Qt::Key_Right, Tecla::Derecha},
    {Qt::Key_Up, Tecla::Arriba},      {Qt::Key_Down, Tecla::Abajo}};

}  // namespace

TecladoFichas::TecladoFichas(Form1& ventana) : QObject(&ventana), ventana_(ventana) {
    // Installed on the application: a focused button or the log would
    // otherwise take the arrows and letters first.
    qApp->installEventFilter(this);
}

bool TecladoFichas::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return false;
    if (static_cast<QWidget*>(objeto)->window() != &ventana_) return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    Tecla cual = Tecla::Caracter;
    char caracter = '\0';
    const auto* nombrada = std::find_if(std::begin(kTeclas), std::end(kTeclas),
                                        [&](const auto& t) { return t.first == tecla->key(); });
    if (nombrada != std::end(kTeclas)) {
        cual = nombrada->second;
    } else {
        const std::string texto = Txt(tecla->text().toStdString());
        if (texto.size() != 1) return false;
        caracter = texto[0];
    }
    if (!Form_Tecla(ventana_.j, cual, caracter)) return false;
    ventana_.Pintar();
    return true;
}

}  // namespace tablerix
