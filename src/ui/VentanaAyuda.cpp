#include "ui/VentanaAyuda.h"

#include <QApplication>
#include <QVBoxLayout>

#include "ui/Escala.h"

namespace tablerix {

VentanaAyuda::VentanaAyuda(QWidget* principal) : QDialog(principal), Texto(new QTextBrowser(this)) {
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);  // closing the main window still ends the program
    Texto->setOpenExternalLinks(true);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addWidget(Texto);
    // Opens at the main window's size; the player may resize it.
    PonerFuente(Texto, QApplication::font());
    resize(Escalar(QSize(640, 560)));
}

void VentanaAyuda::Mostrar(const QUrl& pagina) {
    if (Texto->source() == pagina)
        Texto->reload();
    else
        Texto->setSource(pagina);
    setWindowTitle(Texto->documentTitle());
    show();
    raise();
    activateWindow();
}

}  // namespace tablerix
