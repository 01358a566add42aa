#include "wordlist/RecuentoPalabras.h"

#include <bit>
#include <cstring>

namespace tablerix {

void RecuentoPalabras::Vaciar() {
    ranuras_.clear();
    arena_.clear();
    ocupadas_ = 0;
}

void RecuentoPalabras::Reservar(size_t claves) {
    size_t capacidad = std::bit_ceil(claves * 2 + 16);
    if (capacidad <= ranuras_.size()) return;
    std::vector<Ranura> viejas(capacidad);
    viejas.swap(ranuras_);
    for (const Ranura& r : viejas) {
        if (r.desplazamiento == kLibre) continue;
        size_t i = r.hash & (ranuras_.size() - 1);
        while (ranuras_[i].desplazamiento != kLibre) i = (i + 1) & (ranuras_.size() - 1);
        ranuras_[i] = r;
    }
}

void RecuentoPalabras::Crecer() {
    Reservar(ranuras_.size());
}

std::uint32_t RecuentoPalabras::Hash(std::string_view palabra) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (char c : palabra) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

std::int32_t RecuentoPalabras::LeerCuenta(std::uint32_t desplazamiento) const {
    std::int32_t cuenta;
    std::memcpy(&cuenta, arena_.data() + desplazamiento, sizeof cuenta);
    return cuenta;
}

void RecuentoPalabras::EscribirCuenta(std::uint32_t desplazamiento, std::int32_t cuenta) {
    std::memcpy(arena_.data() + desplazamiento, &cuenta, sizeof cuenta);
}

size_t RecuentoPalabras::Buscar(std::string_view palabra, std::uint32_t hash) const {
    size_t mascara = ranuras_.size() - 1;
    for (size_t i = hash & mascara;; i = (i + 1) & mascara) {
        const Ranura& r = ranuras_[i];
        if (r.desplazamiento == kLibre) return i;
        if (r.hash != hash) continue;
        std::uint32_t longitud;
        std::memcpy(&longitud, arena_.data() + r.desplazamiento + 4, sizeof longitud);
        if (longitud == palabra.size() && std::memcmp(arena_.data() + r.desplazamiento + kCabecera,
                                                      palabra.data(), longitud) == 0)
            return i;
    }
}

void RecuentoPalabras::Sumar(std::string_view palabra) {
    if ((ocupadas_ + 1) * 2 > ranuras_.size()) Crecer();
    std::uint32_t hash = Hash(palabra);
    Ranura& r = ranuras_[Buscar(palabra, hash)];
    if (r.desplazamiento != kLibre) {
        EscribirCuenta(r.desplazamiento, LeerCuenta(r.desplazamiento) + 1);
        return;
    }
    r.hash = hash;
    r.desplazamiento = static_cast<std::uint32_t>(arena_.size());
    std::int32_t cuenta = 1;
    auto longitud = static_cast<std::uint32_t>(palabra.size());
    arena_.append(reinterpret_cast<const char*>(&cuenta), sizeof cuenta);
    arena_.append(reinterpret_cast<const char*>(&longitud), sizeof longitud);
    arena_.append(palabra);
    ++ocupadas_;
}

void RecuentoPalabras::SumarTodas(const std::vector<std::string>& palabras, size_t desde,
                                  std::string_view excepto) {
    Reservar(ocupadas_ + palabras.size());
    size_t bytes = 0;
    for (size_t i = desde; i < palabras.size(); ++i) bytes += kCabecera + palabras[i].size();
    arena_.reserve(arena_.size() + bytes);
    constexpr size_t kAdelanto = 16;
    size_t mascara = ranuras_.size() - 1;
    for (size_t i = desde; i < palabras.size(); ++i) {
        if (i + kAdelanto < palabras.size())
            __builtin_prefetch(&ranuras_[Hash(palabras[i + kAdelanto]) & mascara]);
        if (palabras[i] != excepto) Sumar(palabras[i]);
    }
}

void RecuentoPalabras::Restar(std::string_view palabra) {
    if (ranuras_.empty()) return;
    const Ranura& r = ranuras_[Buscar(palabra, Hash(palabra))];
    // A key that falls to zero keeps its slot, so probe chains stay intact.
    if (r.desplazamiento != kLibre && LeerCuenta(r.desplazamiento) > 0)
        EscribirCuenta(r.desplazamiento, LeerCuenta(r.desplazamiento) - 1);
}

int RecuentoPalabras::Cuenta(std::string_view palabra) const {
    if (ranuras_.empty()) return 0;
    const Ranura& r = ranuras_[Buscar(palabra, Hash(palabra))];
    return r.desplazamiento == kLibre ? 0 : LeerCuenta(r.desplazamiento);
}

}  // namespace tablerix
