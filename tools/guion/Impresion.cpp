#include "Impresion.h"

#include "app/PrevisionJugada.h"
#include "game/Ayudas.h"
#include "game/Tipos.h"
#include "wordlist/Archivos.h"
#include "wordlist/Texto.h"

namespace tablerix::guion {
namespace {

char Minuscula(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c + 32);
    if (c == kEnie) return '\xF1';
    return c;
}

std::string LetraVisible(char c) {
    return c == kSinFicha ? "_" : AUtf8(std::string(1, c));
}

void Agregar(Lineas& a, const Lineas& b) {
    a.insert(a.end(), b.begin(), b.end());
}

// Square under a window position of the board, -1 when the position is off the grid.
int CasillaEn(int izquierda, int arriba) {
    const Rectangulo primera = GeometriaCasilla(0);
    int dx = izquierda - primera.Izquierda, dy = arriba - primera.Arriba;
    if (dx < 0 || dy < 0 || dx % 24 || dy % 24 || dx / 24 >= kLado || dy / 24 >= kLado) return -1;
    return dy / 24 * kLado + dx / 24;
}

}  // namespace

std::string LineaVisible(const std::string& cp1252) {
    std::string s;
    for (char c : AUtf8(cp1252)) {
        if (c == '\r')
            s += "\\r";
        else if (c == '\n')
            s += "\\n";
        else
            s += c;
    }
    return s;
}

Lineas ImprimirTablero(const Juego& j) {
    Lineas l;
    for (int fila = 0; fila < kLado; ++fila) {
        std::string s;
        for (int col = 0; col < kLado; ++col) {
            const Casilla& c = j.Form1.Label1[fila * kLado + col];
            if (c.Letra == kCasillaVacia)
                s += '.';
            else if (c.ColorLetra == kNegro)
                s += AUtf8(std::string(1, c.Letra));
            else
                s += AUtf8(std::string(1, Minuscula(c.Letra)));
        }
        l.push_back(s);
    }
    return l;
}

Lineas ImprimirAtriles(const Juego& j) {
    std::string jugador = "player ", ordenador = "computer ", seleccion;
    for (int k = 0; k < kRanuras; ++k) {
        const FichaJugador& f = j.Form1.Label5[k];
        jugador += f.Visible ? LetraVisible(f.Letra) : "_";
        if (f.Fondo != kColorFicha) seleccion.append(" ").append(std::to_string(k));
        const FichaOrdenador& o = j.Form1.Label11[k];
        ordenador += o.Visible ? LetraVisible(o.Letra) : "_";
    }
    if (!seleccion.empty()) jugador.append(" selected").append(seleccion);
    Lineas l{jugador, ordenador};
    for (int p = kTurnoJugador; p <= kTurnoOrdenador; ++p) {
        std::string s = "atriles" + std::to_string(p) + " ";
        for (int k = 1; k <= kRanuras; ++k) s += LetraVisible(j.Posicion.Atriles[p][k]);
        l.push_back(s);
    }
    return l;
}

Lineas ImprimirPuntos(const Juego& j) {
    return {"JUG " + AUtf8(j.Form1.Label4[0]) + " CPU " + AUtf8(j.Form1.Label4[1])};
}

Lineas ImprimirBolsa(const Juego& j) {
    std::string s = "bag " + std::to_string(j.Posicion.FichasEnBolsa);
    // The label is what the player sees; say so when it disagrees.
    if (j.Form1.Label7 != std::to_string(j.Posicion.FichasEnBolsa))
        s += " (label shows '" + AUtf8(j.Form1.Label7) + "')";
    return {s};
}

Lineas ImprimirEstado(const Juego& j) {
    return {std::string("status ") + j.Form1.ModoLabel9 + " " + LineaVisible(j.Form1.Label9)};
}

Lineas ImprimirNivel(const Juego& j) {
    std::string menu;
    for (int i = 0; i < 8; ++i)
        if (j.Form1.MnuNiv[i]) menu.append(menu.empty() ? "" : ",").append(std::to_string(i));
    return {"level " + AUtf8(j.Form1.Label6) + " stride " +
            std::to_string(j.Posicion.PasoBusqueda) + " menu " + (menu.empty() ? "-" : menu)};
}

Lineas ImprimirPartida(const Juego& j) {
    Lineas l;
    const auto& log = j.Form1.lstPartida;
    for (size_t i = 0; i < log.size(); ++i) {
        std::string s = static_cast<int>(i) == j.Form1.SeleccionPartida ? ">" : "";
        l.push_back(s.append(LineaVisible(log[i])));
    }
    return l;
}

Lineas ImprimirPalabras(const Juego& j) {
    return {"words " + std::to_string(j.Lista.NumPalabras()) + " modified " +
            (j.Lista.DiccionarioModificado ? "yes" : "no")};
}

Lineas ImprimirMarco(const Juego& j) {
    const Marco& m = j.Form1.shpAzul;
    if (!m.Visible) return {"frame none"};
    const Rectangulo& p = m.Posicion;
    int primera = CasillaEn(p.Izquierda, p.Arriba);
    const Rectangulo casilla = GeometriaCasilla(0);
    int ultima = CasillaEn(p.Izquierda + p.Ancho - casilla.Ancho, p.Arriba + p.Alto - casilla.Alto);
    if (primera < 0 || ultima < 0)
        return {"frame at " + std::to_string(p.Izquierda) + "," + std::to_string(p.Arriba) +
                " size " + std::to_string(p.Ancho) + "x" + std::to_string(p.Alto)};
    return {"frame " + std::to_string(primera) + " " + std::to_string(ultima)};
}

Lineas ImprimirCursor(const Juego& j) {
    const CursorTeclado& c = j.Form1.Cursor;
    if (c.Casilla < 0) return {"cursor none"};
    return {"cursor " + std::to_string(c.Casilla) +
            (c.Direccion == kHorizontal ? " across" : " down")};
}

Lineas ImprimirMandos(const Juego& j) {
    const ModeloVentana& f = j.Form1;
    return {std::string("controls ") + (j.Posicion.PartidaEnCurso ? "on" : "off") + " pcrack " +
            (f.AltoPartida == kAltoPartidaCorto ? "shown" : "covered") + " menu " +
            (f.MnuContra ? "on" : "off")};
}

Lineas ImprimirTodo(const Juego& j) {
    Lineas l = ImprimirTablero(j);
    for (auto* f : {ImprimirAtriles, ImprimirPuntos, ImprimirBolsa, ImprimirEstado, ImprimirNivel,
                    ImprimirPalabras, ImprimirMarco, ImprimirPartida, ImprimirCursor})
        Agregar(l, f(j));
    return l;
}

Lineas ImprimirConsulta(const Juego& j, ModoConsulta modo, const std::string& texto) {
    const RespuestaConsulta r = Consultar(j, modo, texto);
    if (!r.Error.empty()) return {"refused: " + LineaVisible(r.Error)};
    Lineas l;
    if (modo == ModoConsulta::Buscar) {
        l.push_back(AUtf8(r.Texto) + (r.Existe ? " s\xC3\xAD" : " no"));
        for (const FilaConsulta& f : r.Filas)
            l.push_back((f.Buscada ? "> " : "  ") + AUtf8(PalabraDeFila(j, r, f)));
        return l;
    }
    std::string cuenta = "found " + std::to_string(r.Total);
    if (r.Total > static_cast<int>(r.Filas.size()))
        cuenta += ", showing " + std::to_string(r.Filas.size());
    l.push_back(cuenta);
    for (const FilaConsulta& f : r.Filas)
        l.push_back(AUtf8(PalabraDeFila(j, r, f)) + " " + std::to_string(f.Puntos));
    return l;
}

Lineas ImprimirCambios(const Juego& j) {
    const auto& cambios = j.Cambios.Cambios();
    Lineas l{"changes " + std::to_string(cambios.size())};
    for (size_t k = 0; k < cambios.size(); ++k)
        l.push_back(std::to_string(k + 1) + (cambios[k].Incluida ? " added " : " removed ") +
                    AUtf8(cambios[k].Palabra));
    return l;
}

Lineas ImprimirArchivo(const std::string& carpeta, const std::string& nombre) {
    auto contenido = LeerArchivo(carpeta + "/" + nombre);
    if (!contenido) return {"file " + nombre + " missing"};
    Lineas l{"file " + nombre};
    const std::string& c = *contenido;
    size_t inicio = 0;
    while (inicio < c.size()) {
        size_t fin = c.find("\r\n", inicio);
        if (fin == std::string::npos) {
            l.push_back(LineaVisible(c.substr(inicio)));
            l.push_back("(no line end at the end of the file)");
            break;
        }
        l.push_back(LineaVisible(c.substr(inicio, fin - inicio)));
        inicio = fin + 2;
    }
    return l;
}

Lineas ImprimirPorSalir(const Juego& j) {
    const FichasPorSalir cuenta = ContarFichasPorSalir(j);
    std::string s;
    int total = 0;
    for (int i = 0; i <= kLetras; ++i) {
        s += (i < kLetras ? AUtf8(std::string(1, kAlfabeto[i])) : "*") + ":" +
             std::to_string(cuenta[i]) + " ";
        total += cuenta[i];
    }
    return {s + "total " + std::to_string(total)};
}

Lineas ImprimirPrevision(const Juego& j) {
    const std::string linea = PrevisionJugada(j);
    return {linea.empty() ? "preview none" : "preview " + LineaVisible(linea)};
}

}  // namespace tablerix::guion
