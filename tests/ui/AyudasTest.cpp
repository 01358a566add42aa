// The play aids' menu entries, keys and remembered switches.
#include "VentanaDePrueba.h"
#include "ui/Ayudas.h"

namespace tablerix::prueba {
namespace {

using Ayudas = VentanaDePrueba;

TEST_F(Ayudas, TheLevelAndTheBestHintChosenInTheMenuAreTheNextStartsAndWhatTheGameSetsIsNot) {
    EXPECT_EQ(NivelRecordado(), kNivelInicial);
    form->MnuNiv[6]->trigger();
    EXPECT_EQ(NivelRecordado(), 6);
    // A load sets the level in the model only.
    j.Form1.MnuNiv.fill(false);
    j.Form1.MnuNiv[1] = true;
    form->Pintar();
    EXPECT_TRUE(form->MnuNiv[1]->isChecked());
    EXPECT_EQ(NivelRecordado(), 6);

    EXPECT_FALSE(form->MnuMejor->isChecked());
    form->MnuMejor->trigger();
    EXPECT_TRUE(j.Form1.MnuMejor);
    EXPECT_TRUE(form->MnuMejor->isChecked());
    // The next start's design clears the model; the remembered switch comes back.
    j.Form1 = ModeloVentana{};
    form->Pintar();
    EXPECT_FALSE(form->MnuMejor->isChecked());
    RecuperarAyudas(j);
    EXPECT_TRUE(j.Form1.MnuMejor);
}

}  // namespace
}  // namespace tablerix::prueba
