// The K/N report words in Estonian.
#include "joints/kn/kn_texts.h"

namespace traxen {

template <>
std::string_view KnCatalogue<ReportLanguage::kEstonian>::Text(KnTextKey key) {
  using K = KnTextKey;
  switch (key) {
    case K::kChordHeading: return "1) VÖÖ";
    case K::kBrace1Heading: return "2) VASAKUL ASUV VARRAS 1";
    case K::kBrace2Heading: return "3) PAREMAL ASUV VARRAS 2 ";
    case K::kOverlapFailedAsks: return "Kas 25% >= ";
    case K::kOverlapFailedOr: return "%3.1lf%%  või >= 80%%";
    case K::kOverlapBeyondLimit:
      return "Ülekate > 80%: varraste liidet vöö pinnaga tuleb kontrollida nihkele (EN 1993-1-8 7.1.2(6)); "
             "seda programm ei tee.";
    case K::kBraceWiderThanDeep:
      return "h < b: ülekattega liites tuleb varraste liidet vöö pinnaga kontrollida nihkele "
             "(EN 1993-1-8 7.1.2(6)); seda programm ei tee.";
    case K::kGapBetweenBraces: return "Varraste vahe g =  ";
    case K::kOverlap: return "Ülekate ";
    case K::kMomentSignAssumed: return " Siin on eeldatud, et M";
    case K::kChordMomentIndex: return " 0,vöö ";
    case K::kChordMomentIndexTight: return "0,vöö ";
    case K::kMomentSignRule: return " on +, kui vöö alumine pool tõmmatud";
    case K::kEccentricitySignRule:
      return "ja ekstsentrilisus e on +, kui see on vöö teljest varraste asukohast vastassuunas ";
    case K::kSinceEccentricity: return "Kuna ekstsentrilisus e  = ";
    case K::kThenM: return "siis M";
    case K::kAxialForceInJoint: return "Pikijõud liites N";
    case K::kChordLeftIndex: return "vöö,vasak ";
    case K::kGapBothBraces:
      return "Ülekatteta K- ja N -liidete korral kontrollitakse mõlema varda kandevõimet, i= 1, 2";
    case K::kGapBrace1Check: return "Ülekatteta liite vasakul oleva varda i = 1 kontrollarvutus:";
    case K::kGapBrace1Values: return "Ülekatteta liite kandevõime arvutuse abisuurused kui i = 1:";
    case K::kGapBrace2Check: return "Ülekatteta liite paremal oleva varda i = 2 kontrollarvutus:";
    case K::kGapBrace2Values: return "Ülekatteta liite kandevõime arvutuse abisuurused kui i = 2:";
    case K::kChordFaceHeading: return "1. Vöö liitepinna kandevõime N";
    case K::kBraceHeadingStart: return "2. Võrguvarda ";
    case K::kBraceHeadingEnd: return " kandevõime liites N";
    case K::kChordShearHeading: return "3a. Vöö lõikekandevõime  N";
    case K::kChordAxialHeading: return "3b. Vöö lõikekandevõime  N";
    case K::kWhere: return ",   kus ";
    case K::kPunchingHeadingStart: return "4. Võrguvarda ";
    case K::kPunchingHeadingEnd: return " vööpinnast läbisurumine  N";
    case K::kPunchingWhen: return "kui ";
    case K::kSoWidth: return "%3.1lf , seega b";
    case K::kSoWidthMmShort: return "%3.1f mm, seega b";
    case K::kSoWidthMm: return "%3.1lf mm, seega b";
    case K::kOverlapBraceHeading: return "Võrgu varda kandevõime N";
    case K::kOverlapTopBraceOnly: return "Ülekattega K- ja N -lidete korral kontrollitakse vaid pealmist varrast";
    case K::kTopBraceRight: return "Pealmine on paremal olev varras i=2";
    case K::kTopBraceLeft: return "Pealmine on vasakul olev varras i=1";
    case K::kOverlapValues: return "Ülekattega liite kandevõime arvutuse abisuurused:";
    case K::kKnFormula: return "1,3 - 0,4×n /";
    case K::kKnNumbers: return "1,3 - 0,4× ";
    case K::kGammaOver: return " / 2×t";
    case K::kGammaNumbersOver: return " / 2× ";
    case K::kGammaEquals: return " = ";
    case K::kGammaSumOver: return " / 2×(t";
    case K::kGammaSumNumbersOver: return " / 2× (";
    case K::kGammaSumEquals: return ") = ";
    case K::kPunchingWidthIndex: return "e.p";
    case K::kOverlapWidthIndex: return "e.ov";
    case K::kPlasticShearIndex: return "pl.Rd";
    case K::kShearNumbersThousand: return "x1000×";
    case K::kForceIndexAfterBrace: return ", Ed ";
    case K::kChordResistanceIndex: return "0.Rd  ";
    case K::kChordForceIndex: return "0. Ed ";
    case K::kJointChordForceIndex: return " 0.Ed ";
    case K::kOverlapRatioIndex: return "Ov ";
    case K::kOverlapRatioFormula: return " = g/p×100 = ";
    case K::kSchematicGap: return "  KN ÜLEKATTETA - SÕLM ";
    case K::kSchematicOverlap: return "  KN ÜLEKATTEGA - SÕLM ";
    case K::kSchematicGapBetweenToes: return " Varraste otste vahe g = %3.1f mm";
    case K::kSchematicOverlapWord: return "Ülekate";
    case K::kSchematicOverlapPercent: return " Ov = (g/p)×100 = %3.1f protsenti";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
