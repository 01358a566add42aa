#pragma once
// The report's small board: one turn's board before the move, with the new
// tiles of the move played filled in their own colour and those of the best
// move drawn over it as a proposal is (a tile both share: the played one in
// the proposal's ink), coordinates around it and a legend.
#include <QWidget>
#include <array>
#include <functional>

#include "game/ResumenPartida.h"

namespace tablerix {

class EtiquetaFicha;
class VistaPrevia;

class TableroResumen : public QWidget {
  public:
    // Placed at `origen` (design pixels); `valor` is the value a tile shows.
    TableroResumen(QWidget* padre, const QPoint& origen, std::function<int(char)> valor);
    static QSize Tamano();  // design size, legend included

    void Mostrar(const FilaResumen& fila);

    std::array<EtiquetaFicha*, kCasillas> Casillas{};

  private:
    std::function<int(char)> valor_;
    VistaPrevia* mejor_ = nullptr;           // the best move's new tiles
    EtiquetaFicha* muestraMejor_ = nullptr;  // the legend's square under a proposed tile
};

}  // namespace tablerix
