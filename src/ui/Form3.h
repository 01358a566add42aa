#pragma once
// The letter chooser for a blank tile: 26 buttons, the letters of the game.
#include <QDialog>
#include <QPushButton>
#include <array>

#include "wordlist/Alfabeto.h"

namespace tablerix {

class Form3 : public QDialog {
  public:
    explicit Form3(QWidget* principal);

    // The letter pressed (Windows-1252), or '\0' when the window was closed without one.
    char LetraElegida() const { return letraElegida_; }

    std::array<QPushButton*, kLetras> cmdLetra{};

  private:
    char letraElegida_ = '\0';
};

}  // namespace tablerix
