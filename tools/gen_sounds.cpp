// Placeholder until this part of the generator is written.
#include "generators.h"

namespace gen {
void WriteSounds(const std::string&) {}
}  // namespace gen
