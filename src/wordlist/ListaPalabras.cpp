#include "wordlist/ListaPalabras.h"

#include <algorithm>
#include <filesystem>

#include "wordlist/Archivos.h"
#include "wordlist/LectorElementos.h"
#include "wordlist/Texto.h"

namespace tablerix {
namespace {

// Byte k of a word's comparison key: a leading Ñ reads as "NZ".
struct Clave {
    std::string_view palabra;
    bool enie = !palabra.empty() && palabra[0] == kEnie;
    size_t Longitud() const { return palabra.size() + (enie ? 1 : 0); }
    unsigned char operator[](size_t k) const {
        if (enie) {
            if (k == 0) return 'N';
            if (k == 1) return 'Z';
            --k;
        }
        return static_cast<unsigned char>(palabra[k]);
    }
};

}  // namespace

const std::string ListaPalabras::kMarcaBorrada(30, 'W');

bool ListaPalabras::Menor(std::string_view a, std::string_view b) {
    Clave ka{a}, kb{b};
    size_t n = std::min(ka.Longitud(), kb.Longitud());
    for (size_t k = 0; k < n; ++k)
        if (ka[k] != kb[k]) return ka[k] < kb[k];
    return ka.Longitud() < kb.Longitud();
}

bool ListaPalabras::ExistePalabra(std::string_view palabra) const {
    return recuento_.Cuenta(palabra) > 0;
}

int ListaPalabras::PosicionDeInclusion(std::string_view palabra) const {
    // The list keeps file order, which need not be sorted: the first greater
    // entry decides, as a scan from the start finds it.
    const int n = NumPalabras();
    for (int i = 1; i <= n; ++i)
        if (Menor(palabra, palabras_[i])) return i;
    return n + 1;
}

void ListaPalabras::IncluirPalabra(std::string& palabra) {
    palabra = Mayusculas(palabra);
    const int posicion = PosicionDeInclusion(palabra);
    palabras_.insert(palabras_.begin() + posicion, palabra);
    if (palabra != kMarcaBorrada) recuento_.Sumar(palabra);
    DiccionarioModificado = true;
    for (ObservadorLista* o : observadores_) o->Incluida(posicion, palabra);
}

void ListaPalabras::BorrarPalabra(std::string_view palabra) {
    DiccionarioModificado = true;
    // Placeholders are not counted, so asking to remove one changes nothing.
    if (recuento_.Cuenta(palabra) == 0) return;
    for (int i = 1; i <= NumPalabras(); ++i) {
        if (palabras_[i] == palabra) {
            std::string borrada = std::move(palabras_[i]);
            palabras_[i] = kMarcaBorrada;
            recuento_.Restar(borrada);
            ++borradas_;
            for (ObservadorLista* o : observadores_) o->Borrada(i, borrada);
            return;
        }
    }
}

void ListaPalabras::CargarDesdeTexto(std::string_view contenido) {
    // Built aside and swapped in, so running out of memory leaves the old list.
    std::vector<std::string> palabras{std::string()};
    palabras.reserve(std::count(contenido.begin(), contenido.end(), '\n') + 2);
    LectorElementos lector(contenido);
    std::string elemento;
    while (lector.Leer(elemento))
        if (elemento.size() != 1) palabras.push_back(elemento);
    RecuentoPalabras recuento;
    recuento.SumarTodas(palabras, 1, kMarcaBorrada);
    Sustituir(palabras, recuento);
}

void ListaPalabras::Sustituir(std::vector<std::string>& palabras, RecuentoPalabras& recuento) {
    palabras_.swap(palabras);
    std::swap(recuento_, recuento);
    size_t avisados = 0;
    try {
        for (; avisados < observadores_.size(); ++avisados) observadores_[avisados]->Recargada();
    } catch (...) {
        palabras_.swap(palabras);
        std::swap(recuento_, recuento);
        for (size_t i = 0; i < avisados; ++i) observadores_[i]->Recargada();
        throw;
    }
}

void ListaPalabras::Adoptar(ListaPalabras&& otra) {
    Sustituir(otra.palabras_, otra.recuento_);
}

CargaLista ListaPalabras::Cargar(const std::string& ruta) {
    CargaLista carga;
    std::error_code error;
    if (std::filesystem::file_size(ruta, error) > kTamanoMaximo && !error) {
        carga.Resultado = CargaLista::DemasiadoGrande;
        return carga;
    }
    auto contenido = LeerArchivo(ruta, kTamanoMaximo);
    if (!contenido || contenido->empty()) return carga;
    try {
        // A list a modern editor saved as UTF-8; the next save writes it back in Windows-1252.
        if (auto ilegibles = ConvertirConMarcaUtf8(*contenido))
            carga.LineasIlegibles = *ilegibles;
        else
            ConvertirSiEsUtf8(*contenido);
        CargarDesdeTexto(*contenido);
    } catch (const std::bad_alloc&) {
        return carga;
    }
    carga.Resultado = CargaLista::Cargada;
    return carga;
}

std::string ListaPalabras::TextoParaGuardar() const {
    std::string texto;
    size_t total = 0;
    for (const std::string& p : palabras_) total += p.size() + 2;
    texto.reserve(total);
    for (int i = 1; i <= NumPalabras(); ++i) {
        if (SinBlancos(palabras_[i]) == kMarcaBorrada) continue;
        texto += palabras_[i];
        texto += "\r\n";
    }
    return texto;
}

bool ListaPalabras::Guardar(const std::string& ruta) const {
    return EscribirArchivoAtomico(ruta, TextoParaGuardar());
}

void ListaPalabras::AgregarObservador(ObservadorLista* observador) {
    observadores_.push_back(observador);
}

void ListaPalabras::QuitarObservador(ObservadorLista* observador) {
    std::erase(observadores_, observador);
}

}  // namespace tablerix
