#include "ui/Form3.h"

#include "ui/Aplicacion.h"
#include "ui/ConversionQt.h"
#include "ui/Escala.h"
#include "wordlist/Alfabeto.h"

namespace tablerix {

Form3::Form3(QWidget* principal) : QDialog(principal) {
    setWindowTitle(QStringLiteral("Elige una letra"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    FijarTamano(this, {168, 96});
    const QFont fuente = Fuente("MS Sans Serif", 12, true);
    for (int k = 0; k < static_cast<int>(cmdLetra.size()); ++k) {
        const char letra = kAlfabeto[k];
        cmdLetra[k] = new QPushButton(AQString(letra), this);
        PonerFuente(cmdLetra[k], fuente);
        Colocar(cmdLetra[k], {24 * (k % 7), 24 * (k / 7), 25, 25});
        cmdLetra[k]->setAutoDefault(false);
        connect(cmdLetra[k], &QPushButton::clicked, this, [this, letra] {
            letraElegida_ = letra;
            accept();
        });
    }
}

}  // namespace tablerix
