#pragma once
// "Lista de palabras": look a word up, see what some tiles make or what fits a
// pattern, teach and remove words, and undo each change. It asks the game and
// draws the answer; it stays open beside the board and is disabled while the
// game is busy (the computer playing, a question open).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QWidget>

#include "game/Diccionario.h"

namespace tablerix {

class Form1;

class VentanaLista : public QWidget {
  public:
    explicit VentanaLista(Form1& principal);

    // Shown beside the main window the first time, then raised where it is.
    void Mostrar();
    // Follows the game: enabled or not, answers again when the list changed.
    void Pintar();
    // Fits the current size's window onto the screen.
    void Ajustar();

    QLineEdit* txtPalabra = nullptr;
    QRadioButton* optBuscar = nullptr;
    QRadioButton* optFichas = nullptr;
    QRadioButton* optPatron = nullptr;
    QCheckBox* chkTodas = nullptr;
    QLabel* lblRespuesta = nullptr;
    QTreeWidget* lstPalabras = nullptr;
    QTreeWidget* lstCambios = nullptr;
    QPushButton* cmdAnadir = nullptr;
    QPushButton* cmdQuitar = nullptr;
    QPushButton* cmdCambios = nullptr;

  private:
    ModoConsulta Modo() const;
    void Consultar();
    void MostrarCambios();
    // Runs a handler that may change the list, then repaints both windows.
    void Cambiar(void (*manejador)(Juego&, const std::string&));

    Form1& principal_;
    int versionMostrada_ = -1;
    bool colocada_ = false;
};

}  // namespace tablerix
