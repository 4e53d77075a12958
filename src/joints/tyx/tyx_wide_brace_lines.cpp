// Wide-brace lines of the T/Y/X reports. Under a face plate the plate's strength ("ykt")
// and thickness ("p") replace the chord's in the chord face, brace failure and punching.
#include "joints/tyx/tyx_wide_brace_lines.h"

#include "joints/tyx/tyx_chord_face_lines.h"
#include "joints/tyx/tyx_parameter_lines.h"
#include "joints/tyx/tyx_texts.h"
#include "report/report_words.h"

namespace traxen {

namespace {

// The chord stress factor at a fixed β: one run when the chord is not compressed.
void PrintFactorAt085(LineWriter& w, const TyxChordStressFactor& kn, double n) {
  w.AtLeft();
  if (!kn.chord_compressed) {
    w.Text({"k"}, {" n", kSub}, {" =  1"});
    w.NewLine();
    return;
  }
  w.Text({"k"}, {"n ", kSub}, {" = "})
      .Text({Say(w, TyxTextKey::kKnFormula)}, {" b", kGreek}, {" = "})
      .Value({Say(w, TyxTextKey::kKnNumbers)}, "%3.3lf", n)
      .Value({" / "}, "%3.3lf", 0.85)
      .Value({Say(w, TyxTextKey::kKnResultAt085)}, "%3.3lf", kn.uncapped)
      .Text({kn.uncapped > 1 ? " > 1" : " <=  1"});
  w.NewLine();
  w.AtLeft().Value({"k"}, {"n ", kSub}, {" = "}, "%3.3lf", kn.kn);
  w.NewLine();
}

// The face plate's chord face formula: the plate's strength and thickness and ηp.
void PrintPlateFaceSymbols(LineWriter& w, bool reduced) {
  w.AtLeft().Weight("bold").Text({"N"}, {"1,Rd ", kSub}, {" = "});
  if (reduced)
    w.Text({"0.9×(k"}, {" n ", kSub}, {"×f"});
  else
    w.Text({"(k"}, {" n ", kSub}, {"×f"});
  w.Text({" ykt ", kSub}, {"×t²"}, {" p ", kSub})
      .Text({"×(2×"}, {"h", kGreek}, {"p", kSub})
      .Text({"/ sin"}, {"q", kGreek}, {""})
      .Text({"1 ", kSub}, {" + 4×(1-0.85 )"}, {"", kGreek})
      .Text({"", kSub}, {"", kSub}, {""})
      .Text({")"}, {" 0.5", kSup}, {" ) / [(1-0.85)"})
      .Text({"", kGreek}, {"", kSub}, {""})
      .Text({"", kGreek}, {"×sin"}, {"q", kGreek})
      .Weight("normal")
      .Text({"1 ", kSub}, {"]"}, {""});
  w.NewLine();
}

void PrintChordFaceAt085(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  const TyxWideBrace& m = r.wide;
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, TyxTextKey::kChordFaceHeading)}, {"b ", kGreek},
                                 {" = 0.85"}).Weight("normal");
  w.NewLine();
  if (r.reinforced) {
    w.AtLeft().Value({"k"}, {"n ", kSub}, {" = "}, "%3.3lf", m.kn_at_085.kn);
    w.NewLine();
    PrintPlateFaceSymbols(w, m.face_reduced);
  } else {
    PrintFactorAt085(w, m.kn_at_085, r.stress.n);
    PrintChordFaceSymbols(w, m.face_reduced, "normal");
  }
  PrintChordFaceNumbers(w, {m.face_reduced, m.kn_at_085.kn, m.face_strength, m.face_thickness,
                            m.depth_ratio, 0.85, in.theta1});
  PrintResistanceResult(w, m.face_resistance);
  w.NewLine();
}

void PrintBraceFailure(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  const TyxWideBrace& m = r.wide;
  const std::string_view strength = r.reinforced ? "ykt " : "yk0 ";
  const std::string_view thickness = r.reinforced ? "p " : "0 ";
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kBraceFailureHeading)}, {"1K,Rd ", kSub}, {" = "})
      .Text({m.brace_reduced ? "0.9×f" : "f"}, {"yk1 ", kSub}, {"×t"})
      .Text({"1 ", kSub}, {"×(2×h"}, {"1 ", kSub})
      .Text({" - 4×t"}, {"1 ", kSub}, {" + 2×b"})
      .Text({"eff ", kSub}, {Say(w, TyxTextKey::kWhere)}, {""});
  w.NewLine();
  w.AtLeft()
      .Text({"b"}, {"eff ", kSub}, {" = (10×f"})
      .Text({strength, kSub}, {"×t²"}, {thickness, kSub})
      .Text({"×b"}, {"1 ", kSub}, {") / (b"})
      .Text({"0 ", kSub}, {"×f"}, {"yk1", kSub})
      .Text({"×t"}, {"1 ", kSub}, {") <= b"})
      .Weight("normal")
      .Text({"1 ", kSub}, {""}, {"", kSub});
  w.NewLine();
  w.AtLeft()
      .Text({"b"}, {"eff ", kSub}, {" = 10×"})
      .Value({""}, "%3.0lf", m.face_strength)
      .Value({"×"}, "%3.1lf²", m.face_thickness)
      .Value({" ×"}, "%3.1lf", in.b1)
      .Value({" / ("}, "%3.3lf", in.b0)
      .Value({"×"}, {"", kSup}, {""}, "%3.0lf", in.fy1)
      .Value({"×"}, "%3.1lf", in.t1)
      .Value({" )  = "}, {"", kSup}, {""}, "%3.1lf", m.effective_width_unlimited);
  if (m.effective_width_limited) {
    w.Value({" > "}, {"", kSup}, {""}, Say(w, TyxTextKey::kSoEffectiveWidth), in.b1)
        .Value({"eff ", kSub}, {" = "}, "%3.1lf", in.b1);
  } else {
    w.Value({" <= "}, "%3.1lf", in.b1);
  }
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1K,Rd ", kSub}, {" = "})
      .Value({m.brace_reduced ? "0.9×" : ""}, "%3.0lf", in.fy1)
      .Value({"×"}, "%3.1lf", in.t1)
      .Value({"×( 2× "}, "%3.1lf", in.h1)
      .Value({"- 4×"}, "%3.1lf", in.t1)
      .Value({" + 2×"}, "%3.1lf", m.effective_width)
      .Value({" ) / 1000  = "}, {"", kSup}, {""}, "%3.1lf kN", m.brace_resistance);
  w.NewLines(2);
}

void PrintSideWallSymbols(LineWriter& w, const TyxWideBrace& m) {
  w.AtLeft().Weight("bold").Text({"N"}, {"1M,Rd ", kSub}, {" = "});
  if (m.chord_reduced)
    w.Text({"0.9×(k"}, {"n ", kSub}, {"×f"});
  else
    w.Text({"k"}, {"n ", kSub}, {"×f"});
  if (m.side_plates) {
    // The side plates thicken the wall: t0 + tp.
    w.Text({" b ", kSub}, {"×(t"}, {" 0 ", kSub})
        .Text({" + t"}, {"p ", kSub}, {""})
        .Text({")×(2×"}, {"h"}, {"1", kSub})
        .Text({"/ sin("}, {"q", kGreek}, {""})
        .Text({"1 ", kSub}, {") + 10×"}, {"(t"})
        .Text({"0 ", kSub}, {" + t "}, {""})
        .Text({"p ", kSub}, {"", kSup}, {" ) / "});
  } else {
    w.Text({" b ", kSub}, {"×t"}, {" 0 ", kSub})
        .Text({")×(2×"}, {"h"}, {"1", kSub})
        .Text({"/ sin("}, {"q", kGreek}, {""})
        .Text({"1 ", kSub}, {") + 10×"}, {"t"})
        .Text({"0 ", kSub}, {"", kSup}, {" ) / "});
  }
  w.Text({"", kGreek}, {"sin("}, {"q", kGreek}).Text({"1 ", kSub}, {")"}, {""}).Weight("normal");
  w.NewLine();
}

void PrintFactorAt1(LineWriter& w, const TyxChordStressFactor& kn, double n) {
  w.AtLeft();
  if (!kn.chord_compressed) {
    w.Text({"k"}, {" n", kSub}, {" =  1"});
    w.NewLine();
    return;
  }
  w.Text({"k"}, {"n ", kSub}, {" = "})
      .Text({Say(w, TyxTextKey::kKnFormulaAtBetaOne)}, {" b ", kGreek}, {" = 1) = "})
      .Value({Say(w, TyxTextKey::kKnNumbers)}, "%3.3lf", n)
      .Value({" / "}, "%3.1lf", 1.0)
      .Value({Say(w, TyxTextKey::kKnResultAtBetaOne)}, "%3.3lf", kn.uncapped)
      .Text({kn.uncapped > 1 ? " > 1" : Say(w, TyxTextKey::kKnAtMostOneAtBetaOne)});
  w.NewLine();
  w.AtLeft().Value({"k"}, {"n ", kSub}, {" = "}, "%3.3lf", kn.kn);
  w.NewLine();
}

void PrintBucklingStressSymbols(LineWriter& w, const TyxWideBrace& m, double fy0) {
  w.AtLeft();
  switch (m.buckling_form) {
    case TyxBucklingStress::ChordInTension:
      w.Text({"f"}, {"b ", kSub}, {" =  f"}).Value({"y0 ", kSub}, {" = "}, {" "}, " %3.0lf MPa", fy0);
      break;
    case TyxBucklingStress::RightAngle:
      w.Text({"f"}, {"b ", kSub}, {" =  c", kGreek}).Text({"×f"}, {"yk0 ", kSub}, {"", kGreek});
      break;
    case TyxBucklingStress::General:
      w.Text({"f"}, {" b", kSub}, {" = 0.8×"})
          .Text({"c", kGreek}, {"×f"}, {"yk0 ", kSub})
          .Text({"×sin"}, {"q", kGreek}, {"1", kSub});
      break;
  }
  w.NewLine();
}

void PrintSlenderness(LineWriter& w, const ReportInputs& in, const TyxWideBrace& m) {
  w.AtLeft()
      .Text({"l", kGreek}, {" = [3.46×( h"}, {"0 ", kSub})
      .Text({"/"}, {" t"}, {"0 ", kSub})
      .Text({"- 2 )×( 1 / sin"}, {"q", kGreek}, {"1", kSub})
      .Text({" )"}, {"0.5 ", kSup}, {"] / ["})
      .Text({"p", kGreek}, {"×[ E / f "}, {"yk0 ", kSub})
      .Text({" )"}, {"0.5 ", kSup}, {" ]"});
  w.NewLine();
  w.AtLeft()
      .Value({"l", kGreek}, {" = "}, {"[3.46×( "}, "%3.1lf", in.h0)
      .Value({" / "}, "%3.1lf", in.t0)
      .Value({" - 2 )×( 1 / sin"}, "%3.1lf° )", in.theta1)
      .Value({"0.5 ", kSup}, {Say(w, TyxTextKey::kPiNumber)}, {""}, "%3.0lf", in.E)
      .Value({" / "}, "%3.0lf )", in.fy0)
      .Value({"0.5 ", kSup}, {" ] = "}, {""}, "%3.3lf", m.slenderness);
  w.NewLine();
  w.AtLeft().Value({"c", kGreek}, {" = "}, "%3.3lf", m.reduction);
  w.NewLine();
}

void PrintBucklingStressValue(LineWriter& w, const ReportInputs& in, const TyxWideBrace& m) {
  w.AtLeft();
  switch (m.buckling_form) {
    case TyxBucklingStress::ChordInTension:
      w.Value({"f"}, {"b ", kSub}, {" = "}, "%3.0lf MPa", in.fy0);
      break;
    case TyxBucklingStress::RightAngle:
      w.Value({"f"}, {"b ", kSub}, {" = "}, "%3.3lf", m.reduction)
          .Value({" × "}, {"", kSub}, {""}, "%3.0lf", in.fy0)
          .Value({" = "}, {"", kSub}, {""}, "%3.0lf MPa", m.buckling_stress);
      break;
    case TyxBucklingStress::General:
      w.Value({"f"}, {" b", kSub}, {" = 0.8×"}, "%3.3lf", m.reduction)
          .Value({"×"}, {""}, {"", kSub}, "%3.0lf", in.fy0)
          .Value({"×sin"}, "%3.1lf°", in.theta1)
          .Value({" = "}, {"", kSub}, {""}, "%3.0lf MPa", m.buckling_stress);
      break;
  }
  w.NewLine();
}

void PrintSideWallNumbers(LineWriter& w, const ReportInputs& in, const TyxWideBrace& m) {
  w.AtLeft()
      .Weight("bold")
      .Text({"N"}, {"1M,Rd ", kSub}, {" = "})
      .Value({m.chord_reduced ? "0.9×{(" : "{"}, "%3.3lf", m.kn_at_1.kn)
      .Value({"×"}, "%3.0lf", m.buckling_stress);
  if (m.side_plates) {
    w.Value({"×("}, "%3.1lf", in.t0)
        .Value({" + "}, "%3.1f", in.side_t)
        .Value({")×[2×"}, "%3.1f", in.h1)
        .Value({" / sin"}, "%3.1lf°", in.theta1)
        .Value({" + 10×("}, "%3.3lf", in.t0)
        .Value({" + "}, "%3.1f", in.side_t)
        .Value({" )] / sin "}, "%3.1lf°", in.theta1);
  } else {
    w.Value({"×"}, "%3.1lf", in.t0)
        .Value({"×[2×"}, "%3.1f", in.h1)
        .Value({" / sin"}, "%3.1lf°", in.theta1)
        .Value({" + 10×"}, "%3.3lf", in.t0)
        .Value({" ] / sin "}, "%3.1lf°", in.theta1);
  }
  w.Value({" } / 1000  = "}, {"", kSup}, {""}, "%3.1lf kN", m.side_wall_resistance).Weight("normal");
  w.NewLines(2);
}

void PrintSideWall(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  const TyxWideBrace& m = r.wide;
  w.AtLeft().KeepTogether(2).Weight("bold").Text({Say(w, TyxTextKey::kSideWallHeading)}, {"b", kGreek},
                                 {" =  1"}).Weight("normal");
  w.NewLine();
  PrintSideWallSymbols(w, m);
  PrintFactorAt1(w, m.kn_at_1, r.stress.n);
  PrintBucklingStressSymbols(w, m, in.fy0);
  PrintSlenderness(w, in, m);
  PrintBucklingStressValue(w, in, m);
  w.NewLine();
  PrintSideWallNumbers(w, in, m);
}

void PrintChordShear(LineWriter& w, const ReportInputs& in, const TyxWideBrace& m) {
  w.AtLeft()
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kChordShearHeading)}, {"", kGreek}, {""});
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1N,Rd ", kSub}, {" = "})
      .Text({m.chord_reduced ? "0.9×f" : "f"}, {"yk0 ", kSub}, {"×A"})
      .Text({"v ", kSub}, {" / ( 3"}, {"0.5 ", kSup})
      .Text({"×sin"}, {"q", kGreek}, {""})
      .Text({"1 ", kSub}, {") "}, {""})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({Say(w, TyxTextKey::kShearArea)}, {"V ", kSub}, {" = "})
      .Text({"2×h"}, {"0 ", kSub}, {"×t"})
      .Text({"0 ", kSub}, {" = "}, {"2×"})
      .Value({""}, "%3.1lf", in.h0)
      .Value({"×"}, "%3.1lf", in.t0)
      .Value({" = "}, {"", kSup}, {""}, "%3.1lf mm²", m.shear_area);
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1N,Rd ", kSub}, {" = "})
      .Value({""}, {""}, {m.chord_reduced ? "0.9×" : ""}, "%3.0lf", in.fy0)
      .Value({"×"}, "%3.1lf", m.shear_area)
      .Value({" / ( 1000×3 "}, {"0.5 ", kSup}, {"× sin"}, "%3.1lf°", in.theta1)
      .Value({" ) = "}, {"", kSup}, {""}, "%3.1lf kN", m.shear_resistance);
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1M,Rd ", kSub}, {" = "})
      .Value({"min(  "}, "%3.1lf", m.shear_resistance)
      .Value({" , "}, {"", kSup}, {""}, "%3.1lf", m.side_wall_resistance)
      .Value({" ) = "}, {"", kSup}, {""}, "%3.1lf kN", m.side_resistance);
  w.NewLines(2);
}

void PrintInterpolation(LineWriter& w, const TyxResult& r) {
  const TyxWideBrace& m = r.wide;
  w.AtLeft()
      .Weight("bold")
      .Value({Say(w, TyxTextKey::kChordFaceResistanceIs)}, {"1,Rd", kSub}, {" = "}, "%3.1lf kN", m.face_resistance)
      .Text({Say(w, TyxTextKey::kIndentedWhen)}, {"b", kGreek}, {" = 0.85"})
      .Weight("normal");
  w.NewLine();
  w.AtLeft().Value({Say(w, TyxTextKey::kInterpolatedWhen)}, {" b", kGreek}, {" = "}, "%3.3lf", r.beta);
  w.NewLine();
  w.AtLeft()
      .Text({"N"}, {"1,Rd ", kSub}, {" = "})
      .Value({""}, "%3.1lf", m.face_resistance)
      .Value({" + ("}, "%3.1lf", m.side_resistance)
      .Value({" - "}, "%3.1lf", m.face_resistance)
      .Value({")×("}, "%3.3lf", r.beta)
      .Value({" - "}, "%3.2f", 0.85)
      .Value({") / "}, "%3.2lf", 0.15)
      .Value({" = "}, {"", kSup}, {""}, "%3.1lf kN", m.interpolated);
  w.NewLines(2);
}

void PrintPunchingHeading(LineWriter& w, const TyxResult& r) {
  const TyxWideBrace& m = r.wide;
  w.AtLeft()
      .KeepTogether(2)
      .Weight("bold")
      .Text({Say(w, TyxTextKey::kPunchingHeading)}, {"1L,Rd", kSub}, {Say(w, TyxTextKey::kWhen)})
      .Text({"0.85 <= "}, {"b", kGreek}, {"<= (1 - 1/ "})
      .Text({"g", kGreek}, {" )"}, {""})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Value({"0.85 <= ( "}, {"b", kGreek}, {" = "}, "%3.3lf", r.beta)
      .Value({") <= (1 - 1/"}, {"g", kGreek}, {" = "}, "%3.3lf", r.gamma)
      .Value({" ) = "}, {"", kSup}, {""}, "%3.3lf", m.punching_limit);
  w.NewLine();
}

// The punching formula, the effective punching width and N1L,Rd; the face plate replaces the
// chord face ("ykt", "p").
void PrintPunchingModes(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  const TyxWideBrace& m = r.wide;
  const std::string_view strength = r.reinforced ? "ykt " : "yk0 ";
  const std::string_view face_index = r.reinforced ? " p " : " 0 ";
  const std::string_view thickness_index = r.reinforced ? "p " : "0 ";
  w.AtLeft().Weight("bold").Text({"N"}, {"1L,Rd ", kSub}, {" = "});
  if (m.punching_reduced)
    w.Text({"0.9×("}, {"", kSub}, {"f"});
  else
    w.Text({"("}, {"", kSub}, {"f"});
  w.Text({strength, kSub}, {"×t"}, {face_index, kSub})
      .Text({")×(2×"}, {"h"}, {"1", kSub})
      .Text({"/ sin"}, {"q", kGreek}, {""})
      .Text({"1 ", kSub}, {" + 2×"}, {"b"})
      .Text({"e,p ", kSub}, {"", kSup}, {" ) / (3"})
      .Text({"0.5 ", kSup}, {"×sin"}, {"q", kGreek})
      .Text({"1 ", kSub}, {")"}, {""})
      .Weight("normal");
  w.NewLine();
  w.AtLeft()
      .Text({"b"}, {Say(w, TyxTextKey::kPunchingWidthIndex), kSub}, {" = 10×b"})
      .Text({"1 ", kSub}, {"×t"}, {thickness_index, kSub})
      .Text({" / b"}, {"0 ", kSub}, {" = "})
      .Value({"10×"}, {"", kGreek}, {""}, "%3.1lf", in.b1)
      .Value({"×"}, {"", kGreek}, {""}, "%3.1lf", m.face_thickness)
      .Value({"/ "}, {"", kSup}, {""}, "%3.1lf", in.b0)
      .Value({" = "}, {"", kSup}, {""}, "%3.1lf mm", m.punching_width_unlimited);
  if (m.punching_width_limited) {
    w.Value({" > "}, {"", kSup}, {""}, Say(w, TyxTextKey::kSoEffectiveWidth), in.b1)
        .Value({Say(w, TyxTextKey::kPunchingWidthIndex), kSub}, {" = "}, "%3.1lf", in.b1);
  } else {
    w.Value({" <= "}, "%3.1lf", in.b1);
  }
  w.NewLines(2);
  w.AtLeft()
      .Text({"N"}, {"1L,Rd ", kSub}, {" = "})
      .Value({m.punching_reduced ? "0.9×{(" : "{"}, "%3.0lf", m.face_strength)
      .Value({"×"}, "%3.1lf", m.face_thickness)
      .Value({"×[2×"}, "%3.1f", in.h1)
      .Value({" / sin"}, "%3.1lf°", in.theta1)
      .Value({" + 2×"}, "%3.1lf", m.punching_width)
      .Value({" ] / (3"}, {"0.5", kSup}, {"×sin"}, "%3.1lf°", in.theta1)
      .Value({" } / 1000  = "}, {"", kSup}, {""}, "%3.1lf kN", m.punching_resistance);
}

// N1,Rd = min(N1,Rd(β), N1L,Rd) in bold; without punching the minimum holds the
// interpolated value alone.
void PrintGoverningMinimum(LineWriter& w, const TyxWideBrace& m) {
  w.AtLeft()
      .Weight("bold")
      .Text({"N"}, {"1,Rd ", kSub}, {" = "})
      .Value({"min(  "}, "%3.1lf", m.interpolated);
  if (m.punching_applies) w.Value({" , "}, {"", kSup}, {""}, "%3.1lf", m.punching_resistance);
  w.Value({" ) = "}, {"", kSup}, {""}, "%3.1lf kN", m.resistance).Weight("normal");
}

// The joint's resistance as the smaller of the chord face and punching resistances, under
// the heading of the plain or the reinforced joint.
void PrintJointResistance(LineWriter& w, const TyxWideBrace& m, std::string_view heading) {
  w.AtLeft()
      .Weight("bold")
      .Text({heading}, {"1,Rd", kSub}, {" = "})
      .Text({"min( N"}, {"1,Rd ", kSub}, {", N"})
      .Text({""}, {Say(w, TyxTextKey::kPunchingResistanceIndex), kSub}, {" )"})
      .Weight("normal");
  w.NewLine();
  PrintGoverningMinimum(w, m);
}

void PrintPlainPunchingAndResistance(LineWriter& w, const TyxResult& r) {
  const TyxWideBrace& m = r.wide;
  if (m.punching_applies) {
    PrintPunchingHeading(w, r);
    w.NewLine();
    PrintPunchingModes(w, r);
  }
  w.NewLines(2);
  PrintJointResistance(w, m, Say(w, TyxTextKey::kJointResistanceIs));
}

void PrintPlatePunchingAndResistance(LineWriter& w, const TyxResult& r) {
  const TyxWideBrace& m = r.wide;
  PrintPunchingHeading(w, r);
  if (m.punching_applies) {
    w.NewLine();
    PrintPunchingModes(w, r);
    w.NewLines(2);
    PrintJointResistance(w, m, Say(w, TyxTextKey::kReinforcedJointResistanceIsLower));
  } else {
    w.NewLine();
    w.AtLeft().Weight("bold").Text({Say(w, TyxTextKey::kNoPunching)}, {"", kSub}, {""});
    w.NewLines(2);
    w.AtLeft()
        .Text({Say(w, TyxTextKey::kReinforcedJointResistanceIs)}, {"1,Rd", kSub}, {" = "})
        .Value({""}, {"", kSup}, {""}, "%3.1lf kN", m.resistance)
        .Weight("normal");
  }
}

}  // namespace

void PrintWideBraceModeList(LineWriter& w) {
  w.Weight("bold");
  w.AtLeft().Text({Say(w, TyxTextKey::kChordFaceHeading)}, {"b", kGreek}, {" = 0.85 "});
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kModeListBrace)}, {"b", kGreek}, {" = 1 "});
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kModeListSideWall)}, {"b", kGreek}, {" = 1 "});
  w.NewLine();
  w.AtLeft().Text({Say(w, TyxTextKey::kModeListPunching)}, {"", kGreek}, {""});
  w.NewLine();
  w.Weight("normal");
  w.NewLine();
}

void PrintWideBraceModes(LineWriter& w, const TyxResult& r) {
  const ReportInputs& in = r.inputs;
  PrintChordFaceAt085(w, r);
  PrintBraceFailure(w, r);
  PrintSideWall(w, r);
  PrintChordShear(w, in, r.wide);
  PrintInterpolation(w, r);
  if (r.reinforced)
    PrintPlatePunchingAndResistance(w, r);
  else
    PrintPlainPunchingAndResistance(w, r);
  w.NewLine();
  PrintResistanceVerdict(w, r.wide.resistance, in.N1, r.wide.passed, true);
}

}  // namespace traxen
