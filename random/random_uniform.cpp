#include "random/random_uniform.h"

namespace Zq::Math {

static_assert(Mt2002Uniforms::kBlockSize <= Mt1998Uniforms::kBlockSize &&
                  ShuffledCongruential::kBlockSize <= Mt1998Uniforms::kBlockSize,
              "every engine's block fits the block buffer");

RandomUniform::Engine RandomUniform::Start(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
  switch (algorithm) {
    case RandomAlgorithm::Mt2002: return Engine(std::in_place_type<Mt2002Uniforms>, seed1, seed2);
    case RandomAlgorithm::Mt1998: return Engine(std::in_place_type<Mt1998Uniforms>, seed1, seed2);
    default: return Engine(std::in_place_type<ShuffledCongruential>, seed1, seed2);
  }
}

void RandomUniform::Refill() {
  end_ = std::visit([this](auto& engine) { return engine.NextBlock(block_); }, engine_);
  next_ = 0;
}

RandomAlgorithm RandomUniform::Algorithm() const {
  if (std::holds_alternative<Mt2002Uniforms>(engine_)) return RandomAlgorithm::Mt2002;
  if (std::holds_alternative<Mt1998Uniforms>(engine_)) return RandomAlgorithm::Mt1998;
  return RandomAlgorithm::Ran2;
}

}  // namespace Zq::Math
