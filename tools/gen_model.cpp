// Placeholder until this part of the generator is written.
#include "generators.h"

namespace gen {
void WriteLogoModel(const std::string&) {}
}  // namespace gen
