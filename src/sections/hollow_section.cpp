// Hollow-section properties: the same geometry the library generator integrates.
#include "sections/hollow_section.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace traxen {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Spandrel {
  double area = 0, offset = 0, own = 0;
};

// The sliver between a square corner and a quarter circle of radius r: its area, the
// distance of its centroid from the square corner along either edge, and its own second
// moment of area.
Spandrel CornerSpandrel(double r) {
  if (r == 0) return {};
  Spandrel s;
  s.area = (1.0 - kPi / 4.0) * r * r;
  s.offset = r * (10.0 - 3.0 * kPi) / (12.0 - 3.0 * kPi);
  s.own = (1.0 / 3.0 - kPi / 16.0 - 1.0 / (3.0 * (12.0 - 3.0 * kPi))) * r * r * r * r;
  return s;
}

struct RoundedRectangle {
  double area = 0, inertia = 0;
};

// A width × depth rectangle with its four corners rounded to r; inertia about the axis
// parallel to the width.
RoundedRectangle Rounded(double width, double depth, double r) {
  const Spandrel s = CornerSpandrel(r);
  const double d = depth / 2.0 - s.offset;
  return {width * depth - 4.0 * s.area, width * depth * depth * depth / 12.0 - 4.0 * (s.own + s.area * d * d)};
}

}  // namespace

double ColdFormedOuterRadius(double t) {
  if (t <= 6.0) return 2.0 * t;
  if (t <= 10.0) return 2.5 * t;
  return 3.0 * t;
}

namespace {

HollowSectionValues ComputeColdFormedHollowSection(double h, double b, double t);

}  // namespace

// A truss's joints share a few chord sections: the last sizes asked for are kept with their
// values, so that a batch of jobs derives each section once.
HollowSectionValues ColdFormedHollowSection(double h, double b, double t) {
  struct Kept {
    double h = 0, b = 0, t = 0;
    HollowSectionValues values;
    bool used = false;
  };
  thread_local std::array<Kept, 16> kept;
  thread_local std::size_t next = 0;
  for (const Kept& k : kept)
    if (k.used && k.h == h && k.b == b && k.t == t) return k.values;
  const HollowSectionValues values = ComputeColdFormedHollowSection(h, b, t);
  kept[next] = {h, b, t, values, true};
  next = (next + 1) % kept.size();
  return values;
}

namespace {

HollowSectionValues ComputeColdFormedHollowSection(double h, double b, double t) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  if (!(std::isfinite(h) && std::isfinite(b) && std::isfinite(t)) || !(h > 0 && b > 0 && t > 0) ||
      !(2 * t < h && 2 * t < b))
    return {kNaN, kNaN};
  const double ro = ColdFormedOuterRadius(t);
  const double ri = ro - t;
  const RoundedRectangle outer = Rounded(b, h, ro);
  const RoundedRectangle inner = Rounded(b - 2 * t, h - 2 * t, ri);
  const double area_cm2 = (outer.area - inner.area) / 1e2;
  const double w_cm3 = (outer.inertia - inner.inertia) / (h / 2.0) / 1e3;
  // The library holds cm² and cm³ to five significant digits; the joint dialogs multiply by
  // 100 and 1000.
  return {RoundToSignificant(area_cm2, 5) * 100, RoundToSignificant(w_cm3, 5) * 1000};
}

}  // namespace

double RoundToSignificant(double x, int digits) {
  if (x == 0 || !std::isfinite(x)) return x;
  const int decimals = std::max(0, digits - 1 - static_cast<int>(std::floor(std::log10(std::abs(x)))));
  const std::string text = fmt::format("{:.{}f}", x, decimals);
  double value = x;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace traxen
