// The drawing surface the report and the joint schematics draw on: a small interface in
// integer report units (x right, y down) with a QPainter backend and a recording backend.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace traxen {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};

enum class PenStyle { Solid, Dash, Dot, DashDot };

// Width 0 is the thinnest line the device draws (a "cosmetic" pen).
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 0;
  Color color = kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// A font by face name ("Times New Roman", "Arial"), cell height in report units
// (ascent + descent) and weight (400 normal, 700 bold).
struct Font {
  std::string face = "Times New Roman";
  int height = 19;
  int weight = 400;
  friend bool operator==(const Font&, const Font&) = default;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual void setPen(const Pen& pen) = 0;
  // A solid brush fills rectangles; the initial brush is white.
  virtual void setBrush(Color color) = 0;
  virtual void setFont(const Font& font) = 0;
  virtual void setTextColor(Color color) = 0;
  // Text is drawn opaque: its cell is filled with this colour first (white initially).
  virtual void setBackgroundColor(Color color) = 0;

  // UTF-8 text with its top-left corner at `topLeft`.
  virtual void drawText(Point topLeft, std::string_view text) = 0;
  // Advance width of `text` in the current font, in report units.
  virtual int textWidth(std::string_view text) = 0;

  virtual void drawLine(Point from, Point to) = 0;
  virtual void drawPolyline(std::span<const Point> points) = 0;
  // Outline with the pen, inside filled with the brush; corners as given.
  virtual void drawRect(Point corner1, Point corner2) = 0;
};

}  // namespace traxen
