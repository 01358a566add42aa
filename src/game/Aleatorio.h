#pragma once
// The one random source: uniform in [0, 1), never reaching 1.
#include <cstdint>
#include <random>

namespace tablerix {

// The generator's state told by its seed and the draws made since: a few bytes
// where the engine's own state is two and a half kilobytes.
struct EstadoAzar {
    std::uint64_t Semilla = 1;
    std::uint64_t Extracciones = 0;
    bool operator==(const EstadoAzar&) const = default;
};

class Aleatorio {
  public:
    explicit Aleatorio(std::uint64_t semilla = 1) : motor_(semilla), estado_{semilla, 0} {}
    void Sembrar(std::uint64_t semilla) {
        motor_.seed(semilla);
        estado_ = {semilla, 0};
    }
    void SembrarDelReloj();
    // 53 random bits scaled to [0, 1): the same sequence on every platform.
    double Siguiente() {
        ++estado_.Extracciones;
        return static_cast<double>(motor_() >> 11) * 0x1.0p-53;
    }
    const EstadoAzar& Estado() const { return estado_; }
    // Back to a state told by Estado(): the draws are made again from the seed,
    // or only the missing ones when the state lies ahead on the same seed.
    void Restaurar(const EstadoAzar& estado);
    bool operator==(const Aleatorio&) const = default;

  private:
    std::mt19937_64 motor_;
    EstadoAzar estado_;
};

}  // namespace tablerix
