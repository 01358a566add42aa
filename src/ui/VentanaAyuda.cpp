#include "ui/VentanaAyuda.h"

#include <QApplication>
#include <QVBoxLayout>

#include "ui/Escala.h"
#include "ui/TamanoVentana.h"

namespace tablerix {

VentanaAyuda::VentanaAyuda(QWidget* principal) : QDialog(principal), Texto(new QTextBrowser(this)) {
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window still ends the program
    Texto->setOpenExternalLinks(true);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(Texto);
    PonerFuente(Texto, QApplication::font());
}

void VentanaAyuda::Mostrar(const QUrl& pagina) {
    if (Texto->source() == pagina)
        Texto->reload();
    else
        Texto->setSource(pagina);
    setWindowTitle(Texto->documentTitle());
    // Opens at the main window's size, all of it on the screen; the player may resize it.
    if (!colocada_) ColocarSobre(this, Escalar(QSize(640, 560)), parentWidget());
    colocada_ = true;
    show();
    raise();
    activateWindow();
}

}  // namespace tablerix
