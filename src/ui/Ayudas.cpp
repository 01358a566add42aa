// The play aids' menu entries and their settings. Kept apart from Form1.cpp:
// they are added after the described menus are built.
#include "ui/Ayudas.h"

#include "game/Nivel.h"
#include "ui/Aplicacion.h"
#include "ui/Form1.h"

namespace tablerix {
namespace {

constexpr char kClaveNivel[] = "Nivel";

}  // namespace

int NivelRecordado() {
    const int nivel = LeerAjuste(kClaveNivel, kNivelInicial).toInt();
    return nivel >= 0 && nivel < static_cast<int>(kNiveles.size()) ? nivel : kNivelInicial;
}

void Form1::CrearMenusAyudas(QMenu* /*juego*/, QMenu* /*inteligencia*/) {
    // Only the player's choice is remembered: a load sets the level in the
    // model, never through the menu.
    for (int i = 0; i < static_cast<int>(MnuNiv.size()); ++i)
        connect(MnuNiv[i], &QAction::triggered, this, [i] { GuardarAjuste(kClaveNivel, i); });

}

}  // namespace tablerix
