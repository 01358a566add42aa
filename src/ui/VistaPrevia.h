#pragma once
// The computer's proposed move drawn over the board while its words are
// asked: tiles not yet laid (translucent, with a dashed edge, so the square
// under each shows through), and where such a question box stands.
#include <QColor>
#include <QWidget>
#include <vector>

namespace tablerix {

class EtiquetaFicha;

// The proposed tiles' letters, also the mark of a best move elsewhere.
inline const QColor kTintaPrevia(0, 0, 160);

class VistaPrevia : public QWidget {
  public:
    struct Ficha {
        const EtiquetaFicha* Casilla;  // the square it stands on
        QString Letra;
        int Valor = 0;
        bool Blanco = false;
    };

    // Covers its parent, of design size `tamano`, and takes no mouse input;
    // hidden while empty.
    VistaPrevia(QWidget* padre, const QSize& tamano);
    void Poner(const std::vector<Ficha>& fichas);
    const std::vector<Ficha>& Fichas() const { return fichas_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    std::vector<Ficha> fichas_;
};

// The top left corner, on the screen, of a box of size `caja` placed beside
// the board over `lista` (the log list's screen rectangle), clear of the
// rack, status line and counters above it, and kept on `pantalla`.
QPoint JuntoAlTablero(const QRect& lista, const QSize& caja, const QRect& pantalla);

}  // namespace tablerix
