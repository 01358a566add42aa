// The play aids' menu entries and their settings. Kept apart from Form1.cpp:
// they are added after the described menus are built.
#include "ui/Ayudas.h"

#include "app/Eventos.h"
#include "game/Ayudas.h"
#include "game/Nivel.h"
#include "ui/Aplicacion.h"
#include "ui/Form1.h"

namespace tablerix {
namespace {

constexpr char kClaveNivel[] = "Nivel";
constexpr char kClaveMejor[] = "RecomendarMejor";

}  // namespace

int NivelRecordado() {
    const int nivel = LeerAjuste(kClaveNivel, kNivelInicial).toInt();
    return nivel >= 0 && nivel < static_cast<int>(kNiveles.size()) ? nivel : kNivelInicial;
}

void RecuperarAyudas(Juego& j) {
    j.Form1.MnuMejor = LeerAjuste(kClaveMejor, false).toBool();
}

void Form1::CrearMenusAyudas(QMenu* juego, QMenu* inteligencia) {
    // No key is a plain letter: letters are typed onto the board.
    auto entrada = [this, juego](const char* titulo, QKeySequence atajo,
                                 void (*manejador)(Juego&)) {
        QAction* accion = juego->addAction(QString::fromUtf8(titulo));
        accion->setShortcut(atajo);
        connect(accion, &QAction::triggered, this, [this, manejador] { Atender(manejador); });
        return accion;
    };
    juego->addSeparator();
    MnuCambiar = entrada("Cambiar", Qt::Key_F6, cmdCambiar_Click);
    MnuPasar = entrada("Pasar", Qt::Key_F7, cmdPasar_Click);
    MnuMezclar = entrada("Mezclar fichas", Qt::Key_F8, MnuMezclar_Click);
    juego->addSeparator();
    MnuSalir = juego->addAction(QStringLiteral("Salir"));
    MnuSalir->setShortcut(Qt::CTRL | Qt::Key_Q);
    // Closing asks its questions in closeEvent, as the title bar's button does.
    connect(MnuSalir, &QAction::triggered, this, &QWidget::close);

    // Only the player's choice is remembered: a load sets the level in the
    // model, never through the menu.
    for (int i = 0; i < static_cast<int>(MnuNiv.size()); ++i)
        connect(MnuNiv[i], &QAction::triggered, this, [i] { GuardarAjuste(kClaveNivel, i); });

    inteligencia->addSeparator();
    MnuMejor = inteligencia->addAction(QStringLiteral("Recomendar la mejor jugada"));
    MnuMejor->setCheckable(true);
    connect(MnuMejor, &QAction::triggered, this, [this] {
        Atender(MnuMejor_Click);
        GuardarAjuste(kClaveMejor, j.Form1.MnuMejor);
    });
}

void Form1::PintarAyudas() {
    MnuMejor->setChecked(j.Form1.MnuMejor);
    MnuMezclar->setEnabled(PuedeMezclar(j));
}

}  // namespace tablerix
