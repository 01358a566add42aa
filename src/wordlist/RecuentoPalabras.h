#pragma once
// How many entries of the word list equal each word, for lookups that must not
// scan the list. Open addressing with 8-byte slots over one arena that holds
// each key once as [count][length][bytes]: small and quick to build for close
// to a million entries.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tablerix {

class RecuentoPalabras {
  public:
    void Vaciar();
    void Reservar(size_t claves);
    void Sumar(std::string_view palabra);
    // Adds entries [desde, fin) of `palabras`, skipping `excepto`; hides the
    // memory latency of a big first load by prefetching slots ahead.
    void SumarTodas(const std::vector<std::string>& palabras, size_t desde,
                    std::string_view excepto);
    void Restar(std::string_view palabra);  // nothing when absent
    int Cuenta(std::string_view palabra) const;

  private:
    struct Ranura {
        std::uint32_t hash = 0;
        std::uint32_t desplazamiento = kLibre;
    };
    static constexpr std::uint32_t kLibre = UINT32_MAX;
    static constexpr size_t kCabecera = 8;  // int32 count, uint32 length

    static std::uint32_t Hash(std::string_view palabra);
    // The slot holding `palabra`, or the free slot where it would go.
    size_t Buscar(std::string_view palabra, std::uint32_t hash) const;
    std::int32_t LeerCuenta(std::uint32_t desplazamiento) const;
    void EscribirCuenta(std::uint32_t desplazamiento, std::int32_t cuenta);
    void Crecer();

    std::vector<Ranura> ranuras_;
    std::string arena_;
    size_t ocupadas_ = 0;
};

}  // namespace tablerix
