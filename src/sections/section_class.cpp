// Cross-section classification of hollow sections.
#include "sections/section_class.h"

#include "sections/hollow_section.h"

#include <algorithm>
#include <cmath>

namespace traxen {

double HollowCornerRadius(double t) { return ColdFormedOuterRadius(t); }

namespace {

// Class of one wall from its c/t ratio truncated to a whole number.
int WallClass(double ratio, double eps) {
  if (!std::isfinite(ratio)) return 4;
  const double r = std::trunc(ratio);
  int cls = 1;
  if (r > 33 * eps) cls = 2;
  if (r > 38 * eps) cls = 3;
  if (r > 48 * eps) cls = 4;
  return cls;
}

}  // namespace

// A zero wall or strength would divide by zero: the ratio is not finite, class 4.
int SectionClass(double h, double b, double tf, double r, double fy) {
  if (tf == 0 || fy == 0) return 4;
  const double eps = std::sqrt(275.0 / fy);
  if (!std::isfinite(eps)) return 4;
  return std::max(WallClass((h - 2 * r) / tf, eps), WallClass((b - 2 * r) / tf, eps));
}

int HollowSectionClass(double h, double b, double t, double fy) {
  return SectionClass(h, b, t, HollowCornerRadius(t), fy);
}

int LibrarySectionClass(SectionKind kind, const SectionProperties& row, double fy) {
  if (kind != SectionKind::kRoundTube) return SectionClass(row.h, row.b, row.tf, row.r, fy);
  if (row.t == 0 || fy == 0) return 4;
  const double eps2 = 275.0 / fy;
  const double ratio = row.h / row.t;
  if (!std::isfinite(eps2) || !std::isfinite(ratio)) return 4;
  if (ratio > 90 * eps2) return 4;
  if (ratio > 70 * eps2) return 3;
  if (ratio > 50 * eps2) return 2;
  return 1;
}

}  // namespace traxen
