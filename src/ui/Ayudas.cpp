// The play aids' menu entries and their settings. Kept apart from Form1.cpp:
// they are added after the described menus are built.
#include "ui/Ayudas.h"

#include "app/Eventos.h"
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

void Form1::CrearMenusAyudas(QMenu* /*juego*/, QMenu* inteligencia) {
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
}

}  // namespace tablerix
