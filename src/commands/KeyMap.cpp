#include "commands/KeyMap.h"

#include "core/form_VECTRIN.h"

std::optional<std::string> Form_KeyDown(form_VECTRIN&, int, int) { return std::nullopt; }
void Form_KeyUp(form_VECTRIN&, int, int) {}
