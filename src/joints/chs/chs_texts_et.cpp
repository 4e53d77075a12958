// The circular hollow section report words in Estonian.
#include "joints/chs/chs_texts.h"

namespace traxen {

template <>
std::string_view ChsCatalogue<ReportLanguage::kEstonian>::Text(ChsTextKey key) {
  using K = ChsTextKey;
  switch (key) {
    case K::kTitleTy: return "  ÜMARTORUDEST T ja Y SÕLM ";
    case K::kTitleX: return "  ÜMARTORUDEST X SÕLM ";
    case K::kTitleKnGap: return "  ÜMARTORUDEST ÜLEKATTETA KN SÕLM ";
    case K::kTitleKnOverlap: return "  ÜMARTORUDEST ÜLEKATTEGA KN SÕLM ";
    case K::kChordHeading: return "1) VÖÖ";
    case K::kBraceHeading: return "2) VÕRGUVARRAS";
    case K::kBrace1Heading: return "2) VASAKUL ASUV VARRAS 1";
    case K::kBrace2Heading: return "3) PAREMAL ASUV VARRAS 2";
    case K::kLayoutHeading: return "4) VARRASTE ASEND";
    case K::kSectionClassOf: return "Ristlõike klass ";
    case K::kClassWorking: return "  kuna  ";
    case K::kOverlappingBrace: return "Ülekattega liide, pealmine on varras i = ";
    case K::kOverlapBeyondLimit:
      return ": varraste ja vöö pinna liidet tuleb kontrollida lõikele, mida see arvutus ei tee (EN 1993-1-8 7.1.2(6))";
    case K::kParametersHeading: return "LIITE PARAMEETRID";
    case K::kFromRing: return "  (toru ristlõikest)";
    case K::kGivenValue: return "  (antud)";
    case K::kPrestressSide: return "  (väiksema absoluutväärtusega vöö pikijõud)";
    case K::kCompressionFree: return " <= 0, seega k";
    case K::kReducedAbove355: return "Kuna f ";
    case K::kReducedAbove355Tail: return " > 355 MPa, korrutatakse kandevõimed teguriga 0.9";
    case K::kChordFaceHeading: return "1. Vöö liitepinna kandevõime N";
    case K::kCompressionBrace: return "Valem võtab surutud varda, i = ";
    case K::kNoCompressionBrace:
      return "Kumbki varras pole surutud; valem võtab väiksema läbimõõduga varda, i = ";
    case K::kPunchingHeading: return "2. Vöö pinna läbisurumiskandevõime N";
    case K::kNoPunching: return ", seega vöö pinna läbisurumise ohtu pole !";
    case K::kJointResistanceIs: return "Liite kandevõime on N";
    case K::kBraceWord: return "Varras ";
    case K::kSchematicT: return "  T - SÕLM ";
    case K::kSchematicY: return "  Y - SÕLM ";
    case K::kSchematicX: return "  X - SÕLM ";
    case K::kSchematicKnGap: return "  KN ÜLEKATTETA - SÕLM ";
    case K::kSchematicKnOverlap: return "  KN ÜLEKATTEGA - SÕLM ";
    case K::kSchematicGap: return " Varraste otste vahe g = %3.1f mm";
    case K::kSchematicOverlap: return " Ov = (-g/p)×100 = %3.1f protsenti";
    case K::kChordRightIndex: return "0,parem";
    case K::kChordLeftIndex: return "0,vasak";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
