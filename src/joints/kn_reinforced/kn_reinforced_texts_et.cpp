// The reinforced K/N report words in Estonian.
#include "joints/kn_reinforced/kn_reinforced_texts.h"

namespace traxen {

template <>
std::string_view KnReinforcedCatalogue<ReportLanguage::kEstonian>::Text(KnReinforcedTextKey key) {
  using K = KnReinforcedTextKey;
  switch (key) {
    case K::kPlateHeading: return "TUGEVDUSLAPP";
    case K::kFacePlateLength: return "Nelikanttoru vöölapi pikkus ";
    case K::kFacePlateWidth: return "Nelikanttoru vöölapi laius ";
    case K::kFacePlateThickness: return "Nelikanttoru vöölapi paksus ";
    case K::kSidePlateLength: return "Nelikanttoru külglapi pikkus ";
    case K::kBetweenPlateThickness: return "Ülekattega liite vahelapi paksus ";
    case K::kNoPunching: return "Vöö pinna läbisurumise ohtu pole !";
    case K::kBothOverlapBraces:
      return " Tugevdatud ülekattega K- ja N -liidete korral kontrollitakse mõlemat varrast i = 1,2";
    case K::kLeftBrace: return "Vasakul olev varras i=1";
    case K::kRightBrace: return "Paremal olev varras i=2";
    case K::kPlateLengthFactor: return "1,5*(h";
    case K::kPlateLengthNumbersFactor: return "1,5×(";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
