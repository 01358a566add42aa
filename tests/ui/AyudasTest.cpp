// The play aids' menu entries, keys and remembered switches.
#include "VentanaDePrueba.h"
#include "ui/Ayudas.h"

namespace tablerix::prueba {
namespace {

using Ayudas = VentanaDePrueba;

TEST_F(Ayudas, TheLevelChosenInTheMenuIsTheNextStartsAndOneTheGameSetsIsNot) {
    EXPECT_EQ(NivelRecordado(), kNivelInicial);
    form->MnuNiv[6]->trigger();
    EXPECT_EQ(NivelRecordado(), 6);
    // A load sets the level in the model only.
    j.Form1.MnuNiv.fill(false);
    j.Form1.MnuNiv[1] = true;
    form->Pintar();
    EXPECT_TRUE(form->MnuNiv[1]->isChecked());
    EXPECT_EQ(NivelRecordado(), 6);
}

}  // namespace
}  // namespace tablerix::prueba
