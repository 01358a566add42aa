#pragma once
// Tile placement with the mouse on the main window's client area: press, move
// and release, with a floating tile following the pointer. Which drags may
// start and what a drop does is the game's to decide (Juego::FichaArrastrada).
#include <QObject>
#include <QPoint>

namespace tablerix {

class EtiquetaFicha;
class Form1;

class ArrastreFichas : public QObject {
  public:
    explicit ArrastreFichas(Form1& ventana);

    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void Pulsar(Qt::MouseButton boton, const QPoint& punto);
    void Mover(const QPoint& punto);
    void Soltar(const QPoint& punto);
    void EmpezarArrastre(const QWidget& origen, const QPoint& punto);

    Form1& ventana_;
    EtiquetaFicha* fichaFlotante_;
    bool arrastrando_ = false;
    int casillaPulsada_ = -1;  // left press on a square that dragged nothing
    QPoint agarre_;            // the pointer's offset inside the tile
};

}  // namespace tablerix
