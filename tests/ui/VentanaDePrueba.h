#pragma once
// A game with the real Qt window over it, its model filled by each test.
#include <gtest/gtest.h>

#include <QApplication>

#include "game/Juego.h"
#include "ui/Form1.h"
#include "ui/VentanaQt.h"

namespace tablerix::prueba {

class VentanaDePrueba : public ::testing::Test {
protected:
    VentanaDePrueba() {
        ventana.CrearVentanaPrincipal(j);
        form = ventana.Principal();
    }

    // Shown and active, as keyboard shortcuts need it.
    void MostrarActiva() {
        form->Mostrar();
        Activar();
    }
    void Activar() {
        form->activateWindow();
        QApplication::setActiveWindow(form);
        QApplication::processEvents();
    }

    VentanaQt ventana;
    Juego j{ventana};
    Form1* form = nullptr;
};

}  // namespace tablerix::prueba
