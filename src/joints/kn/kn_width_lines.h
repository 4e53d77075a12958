// The effective-width lines every K/N brace check prints: b_eff and b_e,ov of the brace
// failure and b_e,p of punching shear, against whichever wall the brace stands on (the chord
// face, the face plate, the overlapped brace or the between-braces plate).
#pragma once

#include <string_view>

#include "joints/kn/kn_resistance.h"
#include "report/report_canvas.h"

namespace traxen {

// The wall a width is measured against, with the subscripts the report prints for it.
struct KnWidthWall {
  std::string_view strength_index;   // "yk0 ", "ykt ", "ykj "
  std::string_view thickness_index;  // "0 ", "p ", "j "
  std::string_view width_index;      // "0 ", "p ", "j "
  double fy = 0, t = 0, b = 0;
};

// The brace whose width is printed.
struct KnWidthBrace {
  std::string_view index;           // "1 ", "2 " or "i "
  std::string_view strength_index;  // "yk1", "yk2" or "yki"
  double fy = 0, t = 0, b = 0;
};

enum class KnWidthKind { Effective, Overlap };  // b_eff, b_e,ov

// b = 10·fy·t²·b_i / (b·fy_i·t_i) <= b_i of the wall: the symbolic line and the line with
// numbers, each after a line advance.
void PrintKnEffectiveWidth(ReportCanvas& canvas, KnWidthKind kind, const KnWidthWall& wall,
                           const KnWidthBrace& brace, const KnEffectiveWidth& width);

// b_e,p = 10·b_i·t / b0 <= b_i on one line after a line advance; `thickness_index` and `t`
// are the chord wall's ("0 ") or the face plate's ("p ").
void PrintKnPunchingWidth(ReportCanvas& canvas, const KnWidthBrace& brace,
                          std::string_view thickness_index, double t, double b0,
                          const KnEffectiveWidth& width);

}  // namespace traxen
