#pragma once
// The main window. It shows the game's window model (Juego::Form1) and passes
// every user action to the handlers of app/Eventos.h; it holds no rule.
#include <QAction>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Juego.h"
#include "ui/DibujoFicha.h"
#include "ui/Escala.h"
#include "ui/Etiqueta.h"
#include "ui/Version.h"

namespace tablerix {

class ArrastreFichas;
class FlechaCursor;
class Rotulos;
class VentanaLista;
class VistaPrevia;

inline constexpr int kAnchoCliente = 642;
inline constexpr int kAltoCliente = 408;

class Form1 : public QMainWindow {
  public:
    explicit Form1(Juego& j);
    ~Form1() override;

    // Copies the model onto the widgets; cheap when little changed.
    void Pintar();
    // Works the game report out and shows it in VentanaResumen, when it can be asked for.
    void AbrirResumen();
    // The value shown on a tile, a blank's letter included; none with values switched off.
    int ValorMostrado(char letra) const;
    // Centres the window on its screen and shows it.
    void Mostrar();
    // Draws the whole window at a size in percent (one of kTamanos); the menu's
    // choice is also remembered for the next start.
    void PonerTamano(int porcentaje);
    void ElegirTamano(int porcentaje);
    // The client area's height and what stands in its margins, from the
    // "Ver" switches; PonerTamano then applies it to a shown window.
    void DisponerAyudas();

    // The board square or the visible rack slot under a point of the client
    // area, or -1.
    int CasillaEn(const QPoint& punto) const;
    int RanuraEn(const QPoint& punto) const;

    Juego& j;
    // The client area, 642 x 408 at 100 %; the widgets below are placed in it
    // through ui/Escala.h.
    QWidget* Cliente;

    std::array<EtiquetaFicha*, kCasillas> Label1{};
    std::array<Etiqueta*, 4> Label2{};
    std::array<Etiqueta*, 2> Label3{};
    std::array<Etiqueta*, 2> Label4{};
    std::array<EtiquetaFicha*, kRanuras> Label5{};
    Etiqueta* Label6 = nullptr;
    Etiqueta* Label7 = nullptr;
    std::array<Etiqueta*, 3> Label8{};
    Etiqueta* Label9 = nullptr;
    std::array<EtiquetaFicha*, kRanuras> Label11{};
    Etiqueta* lblPuntos = nullptr;
    Forma* shpLargo = nullptr;
    Forma* shpCorto = nullptr;
    Forma* shpAzul = nullptr;
    Forma* shpRojo = nullptr;
    FlechaCursor* Cursor = nullptr;  // the keyboard's typing cursor
    Forma* shpMandos = nullptr;
    Forma* shpFondoLetras = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCambiar = nullptr;
    QPushButton* cmdPasar = nullptr;
    QPushButton* cmdEscape = nullptr;
    QListWidget* lstPartida = nullptr;
    VistaPrevia* Previa = nullptr;  // the proposed move while its words are asked

    QAction* MnuNew = nullptr;
    QAction* MnuSave = nullptr;
    QAction* MnuLoad = nullptr;
    QAction* mnuBorGuar = nullptr;
    QAction* MnuEstadisticas = nullptr;  // reads them, then shows VentanaEstadisticas
    QAction* MnuResumen = nullptr;       // "Resumen de la partida", see AbrirResumen
    QAction* MnuContra = nullptr;
    QAction* MnuRecom = nullptr;
    QAction* MnuDeshacerJugada = nullptr;  // enabled by the game's history
    QAction* MnuRehacerJugada = nullptr;
    std::array<QAction*, 8> MnuNiv{};
    QMenu* MnuVer = nullptr;
    std::array<QAction*, kTamanos.size()> MnuTamano{};
    QAction* MnuMasGrande = nullptr;
    QAction* MnuMasPequeno = nullptr;
    QAction* MnuTamanoNormal = nullptr;
    QAction* MnuValores = nullptr;            // "Valores en las fichas", remembered between runs
    QAction* MnuResumenAlTerminar = nullptr;  // "Resumen al terminar", remembered between runs
    QAction* MnuLista = nullptr;              // "Diccionario › Lista de palabras"
    VentanaLista* Lista = nullptr;            // made when first opened
    QAction* MnuHelp = nullptr;
    QAction* About = nullptr;
    // The play aids' entries (ui/Ayudas.cpp).
    QAction* MnuMejor = nullptr;  // "Recomendar la mejor jugada"
    QAction* MnuCambiar = nullptr;
    QAction* MnuPasar = nullptr;
    QAction* MnuMezclar = nullptr;  // "Mezclar fichas"
    QAction* MnuSalir = nullptr;
    QAction* MnuPuntos = nullptr;       // "Puntos de la jugada"
    QAction* MnuPorSalir = nullptr;     // "Fichas por salir"
    QAction* MnuCoordenadas = nullptr;  // "Coordenadas"
    Rotulos* Columnas = nullptr;        // the board's column and row names
    Rotulos* Filas = nullptr;
    Rotulos* PorSalir = nullptr;  // tiles not seen, per letter, below the board
    Etiqueta* TotalPorSalir = nullptr;

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CrearEtiquetas();
    void CrearMandos();
    void CrearMenus();
    void CrearMenuVer();
    void CrearMenusAyudas(QMenu* juego, QMenu* inteligencia);  // ui/Ayudas.cpp
    void PintarAyudas();
    void CrearVistasAyudas();
    int AltoCliente() const;
    // "Ver" offers only the sizes at which the window fits the screen's available area.
    void MarcarTamanosPosibles();
    void PintarTablero();
    void PintarAtriles();
    void PintarPartida();
    void PintarMarcos();
    void PintarVistaPrevia();
    // Runs an event handler and shows what it changed.
    void Atender(const std::function<void(Juego&)>& manejador);

    std::unique_ptr<ArrastreFichas> arrastre_;
    std::vector<std::string> partidaMostrada_;
    int seleccionMostrada_ = -1;
};

}  // namespace tablerix
