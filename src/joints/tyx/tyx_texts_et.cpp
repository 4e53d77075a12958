// The T/Y/X report words in Estonian.
#include "joints/tyx/tyx_texts.h"

namespace traxen {

template <>
std::string_view TyxCatalogue<ReportLanguage::kEstonian>::Text(TyxTextKey key) {
  using K = TyxTextKey;
  switch (key) {
    case K::kChordHeading: return "1) VÖÖ";
    case K::kChordHeadingAfterPlate: return "2) VÖÖ";
    case K::kBraceHeading: return "2) VÕRGUVARRAS";
    case K::kLowerBraceHeading: return "3) ALUMINE VARRAS";
    case K::kIf: return "Kui";
    case K::kNarrowBraceRule: return " <= 0.85, siis liite kandevõime määrab vaid vöö liitepinna kandevõime N";
    case K::kWideBraceRule: return " >= 0.85, siis liite kandevõime määramiseks tuleb arvutada:";
    case K::kChordFaceHeading: return "1. Vöö liitepinna kandevõime juhul kui ";
    case K::kBraceFailureHeading: return "2. Võrgu varda kandevõime N";
    case K::kWhere: return " ) , kus ";
    case K::kSoEffectiveWidth: return "%3.1lf , seega b";
    case K::kSideWallHeading: return "3a. Vöö külgpinna mõlkekandevõime juhul kui ";
    case K::kChordShearHeading: return "3b. Vöö nihkekandevõime  EVS-EN 1993-1-8 tabel 7.12";
    case K::kShearArea: return "Vöö lõikepindala A";
    case K::kChordFaceResistanceIs: return "Vöö liitepinna kandevõime on N";
    case K::kIndentedWhen: return "      juhul kui ";
    case K::kInterpolatedWhen: return "Lineaarse interpolatsiooniga juhul kui ";
    case K::kPunchingHeading: return "4. Vöö pinna läbisurumiskandevõime juhul  N";
    case K::kWhen: return " kui ";
    case K::kJointResistanceIs: return "Liite kandevõime on N";
    case K::kReinforcedJointResistanceIsLower: return "tugedatud liite kandevõime on N";
    case K::kNoPunching: return "Vöö pinna läbisurumise ohtu pole !";
    case K::kReinforcedJointResistanceIs: return "Tugedatud liite kandevõime on N";
    case K::kModeListBrace: return "2. Võrguvarda kandevõime juhul kui ";
    case K::kModeListSideWall: return "3.  Vöö külgpinna  mõlkekandevõime juhul kui ";
    case K::kModeListPunching: return "4.  Vöö pinna  läbisurumiskandevõime ";
    case K::kPlateHeading: return "1) TUGEVDUSLAPP";
    case K::kFacePlateLength: return "Nelikanttoru vöölapi pikkus ";
    case K::kFacePlateWidth: return "Nelikanttoru vöölapi laius ";
    case K::kSidePlateLength: return "Nelikanttoru külgpinna lapi pikkus ";
    case K::kReinforcedJointMust: return "Tugevdatud liitel peab";
    case K::kCompressedBraceTakesPlate:
      return "Surutud võrguvarda korral vöö pealispinna lapiga tugevdatud liitel kasutatakse t";
    case K::kCalculationsToDo: return "Sooritada vaja järgmised arvutused ";
    case K::kKnFormula: return "1,3 - 0,4×n /";
    case K::kKnFormulaAtBetaOne: return "1,3 - 0,4×n / (";
    case K::kKnNumbers: return "1,3 - 0,4× ";
    case K::kKnResultAt085: return " = = ";
    case K::kKnResultAtBetaOne: return "= ";
    case K::kKnAtMostOneAtBetaOne: return "  < =1";
    case K::kPiNumber: return "] / [ 3.14159265*( ";
    case K::kPunchingWidthIndex: return "e.p ";
    case K::kPunchingResistanceIndex: return "1,LRd ";
    case K::kBraceForceIndex: return "1, Ed ";
    case K::kSchematicT: return "  T - SÕLM ";
    case K::kSchematicY: return "  Y - SÕLM ";
    case K::kSchematicX: return "  X - SÕLM ";
    case K::kSchematicReaction: return "reaktsioon";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
