// The K/N report words in English, and the words of the condition names `traxen-cli check`
// prints.
#include "joints/kn/kn_texts.h"

namespace traxen {

std::string_view KnCheckName(KnConditionWord word) {
  using W = KnConditionWord;
  switch (word) {
    case W::kChord: return "chord";
    case W::kBrace: return "brace ";
    case W::kSectionClass: return "section class 1 or 2";
    case W::kGapSize: return "gap: g >= t1 + t2";
    case W::kGapRatioMin: return "gap: g / b0 >= 0.5 (1 - beta)";
    case W::kGapRatioMax: return "gap: g / b0 <= 1.5 (1 - beta)";
    case W::kBraceAngle: return "braces: |180 - theta1 - theta2| >= 30";
    case W::kOverlapWidthRatio: return "overlap: narrower / wider brace width >= 0.75";
    case W::kOverlapBrace1Depth: return "overlap: h1 >= b1";
    case W::kOverlapBrace2Depth: return "overlap: h2 >= b2";
    case W::kOverlapRatio: return "overlap: 25 % <= lambda_ov <= 80 %";
    case W::kCount: break;
  }
  return {};
}

}  // namespace traxen

namespace traxen {

template <>
std::string_view KnCatalogue<ReportLanguage::kEnglish>::Text(KnTextKey key) {
  using K = KnTextKey;
  switch (key) {
    case K::kChordHeading: return "1) CHORD";
    case K::kBrace1Heading: return "2) BRACE 1 ON THE LEFT";
    case K::kBrace2Heading: return "3) BRACE 2 ON THE RIGHT ";
    case K::kOverlapFailedAsks: return "Is 25% >= ";
    case K::kOverlapFailedOr: return "%3.1lf%%  or >= 80%%";
    case K::kOverlapBeyondLimit:
      return "Overlap > 80%: the connection of the braces to the chord face must be checked for shear "
             "(EN 1993-1-8 7.1.2(6)); this program does not make that check.";
    case K::kBraceWiderThanDeep:
      return "h < b: in an overlap joint the connection of the braces to the chord face must be checked for shear "
             "(EN 1993-1-8 7.1.2(6)); this program does not make that check.";
    case K::kGapBetweenBraces: return "Gap between the braces g =  ";
    case K::kOverlap: return "Overlap ";
    case K::kMomentSignAssumed: return " Here M";
    case K::kChordMomentIndex: return " 0,chord ";
    case K::kChordMomentIndexTight: return "0,chord ";
    case K::kMomentSignRule: return " is positive when the lower side of the chord is in tension";
    case K::kEccentricitySignRule:
      return "and the eccentricity e is positive when it lies on the side of the chord axis away from the braces ";
    case K::kSinceEccentricity: return "Since the eccentricity e  = ";
    case K::kThenM: return "then M";
    case K::kAxialForceInJoint: return "Axial force in the joint N";
    case K::kChordLeftIndex: return "chord,left ";
    case K::kGapBothBraces: return "In K and N gap joints the resistance of both braces is checked, i = 1, 2";
    case K::kGapBrace1Check: return "Gap joint, check of brace i = 1 on the left:";
    case K::kGapBrace1Values: return "Auxiliary values of the gap joint resistance for i = 1:";
    case K::kGapBrace2Check: return "Gap joint, check of brace i = 2 on the right:";
    case K::kGapBrace2Values: return "Auxiliary values of the gap joint resistance for i = 2:";
    case K::kChordFaceHeading: return "1. Chord face failure N";
    case K::kBraceHeadingStart: return "2. Brace ";
    case K::kBraceHeadingEnd: return " failure N";
    case K::kChordShearHeading: return "3a. Chord shear  N";
    case K::kChordAxialHeading: return "3b. Chord axial resistance under shear  N";
    case K::kWhere: return ",   where ";
    case K::kPunchingHeadingStart: return "4. Punching shear under brace ";
    case K::kPunchingHeadingEnd: return "  N";
    case K::kPunchingWhen: return "when ";
    case K::kSoWidth: return "%3.1lf , so b";
    case K::kSoWidthMmShort: return "%3.1f mm, so b";
    case K::kSoWidthMm: return "%3.1lf mm, so b";
    case K::kOverlapBraceHeading: return "Brace failure N";
    case K::kOverlapTopBraceOnly: return "In K and N overlap joints only the overlapping brace is checked";
    case K::kTopBraceRight: return "Overlapping brace i = 2 (on the right)";
    case K::kTopBraceLeft: return "Overlapping brace i = 1 (on the left)";
    case K::kOverlapValues: return "Auxiliary values of the overlap joint resistance:";
    case K::kKnFormula: return "1.3 − 0.4 n / ";
    case K::kKnNumbers: return "1.3 − 0.4×";
    case K::kGammaOver: return " / (2×t";
    case K::kGammaNumbersOver: return " / (2×";
    case K::kGammaEquals: return ") = ";
    case K::kGammaSumOver: return " / (2×(t";
    case K::kGammaSumNumbersOver: return " / (2×(";
    case K::kGammaSumEquals: return ")) = ";
    case K::kPunchingWidthIndex: return "e,p";
    case K::kOverlapWidthIndex: return "e,ov";
    case K::kPlasticShearIndex: return "pl,Rd";
    case K::kShearNumbersThousand: return "×1000×";
    case K::kForceIndexAfterBrace: return ",Ed ";
    case K::kChordResistanceIndex: return "0,Rd  ";
    case K::kChordForceIndex: return "0,Ed ";
    case K::kJointChordForceIndex: return "0,Ed ";
    case K::kOverlapRatioIndex: return "ov ";
    case K::kOverlapRatioFormula: return " = −g/p×100 = ";
    case K::kSchematicGap: return "  K AND N GAP JOINT ";
    case K::kSchematicOverlap: return "  K AND N OVERLAP JOINT ";
    case K::kSchematicGapBetweenToes: return " Gap between the brace toes g = %3.1f mm";
    case K::kSchematicOverlapWord: return "Overlap";
    case K::kSchematicOverlapPercent: return " Ov = (-g/p)×100 = %3.1f per cent";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
