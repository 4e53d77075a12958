// The window appearances of the "Vaade" menu. Each entry keeps its identifier (stored as
// "ApplicationLook"); all use Qt's Fusion style, told apart by their palettes.
#pragma once

#include <QString>
#include <vector>

namespace traxen {

struct Appearance {
  int id;
  const char* menu_text;
};

const std::vector<Appearance>& Appearances();  // in menu order
bool IsKnownAppearance(int id);

// Applies the style and palette of `id` to the whole application.
void ApplyAppearance(int id);

}  // namespace traxen
