#pragma once
// "Juego › Estadísticas": the player's statistics level by level, as the game
// read them, and "Borrar estadísticas". It only draws and forwards.
#include <QDialog>
#include <QPushButton>
#include <QTreeWidget>

namespace tablerix {

class Form1;

class VentanaEstadisticas : public QDialog {
  public:
    explicit VentanaEstadisticas(Form1& principal);

    // Fills the table from Juego::Estadisticas.
    void Pintar();

    QTreeWidget* lstNiveles = nullptr;
    QPushButton* cmdBorrar = nullptr;
    QPushButton* cmdCerrar = nullptr;

  private:
    Form1& principal_;
};

}  // namespace tablerix
