#pragma once
// "Juego › Resumen de la partida": each turn of both sides against the best
// move its rack allowed, a small board of the turn selected and both scores
// turn by turn. It draws Juego::Resumen and nothing else of the game.
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <array>
#include <memory>

class QChartView;

namespace tablerix {

class Etiqueta;
struct ResumenPartida;
struct TurnoHistoria;
class Form1;
class TableroResumen;

class VentanaResumen : public QDialog {
  public:
    explicit VentanaResumen(Form1& principal);

    Etiqueta* lblResultado = nullptr;
    Etiqueta* lblCargada = nullptr;  // the rows start at a game loaded without its history
    QTreeWidget* lstTurnos = nullptr;
    std::array<Etiqueta*, 2> lblTotales{};
    TableroResumen* Tablero = nullptr;
    QChartView* Grafico = nullptr;
    QPushButton* cmdCerrar = nullptr;

  private:
    std::shared_ptr<const ResumenPartida> resumen_;  // kept should the game ask for another
};

// A move as the table names it: "CASA H8 →", "Pasa", "Cambia 3 fichas".
QString TextoJugada(const TurnoHistoria& jugada);

}  // namespace tablerix
