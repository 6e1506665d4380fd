// Placeholder until this part of the generator is written.
#include "generators.h"

namespace gen {
void DrawMainSheetMenus(Canvas&) {}
void WriteMenuSheet(const std::string&) {}
}  // namespace gen
