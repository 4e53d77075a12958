// The words of the reports of round braces on a rectangular chord in Estonian.
#include "joints/rc/rc_texts.h"

namespace traxen {

template <>
std::string_view RcCatalogue<ReportLanguage::kEstonian>::Text(RcTextKey key) {
  using K = RcTextKey;
  switch (key) {
    case K::kTitleTy: return "  NELIKANTTORUVÖÖ JA ÜMARTORUVARRAS: T ja Y SÕLM ";
    case K::kTitleX: return "  NELIKANTTORUVÖÖ JA ÜMARTORUVARDAD: X SÕLM ";
    case K::kTitleKnGap: return "  NELIKANTTORUVÖÖ JA ÜMARTORUVARDAD: ÜLEKATTETA KN SÕLM ";
    case K::kTitleKnOverlap: return "  NELIKANTTORUVÖÖ JA ÜMARTORUVARDAD: ÜLEKATTEGA KN SÕLM ";
    case K::kChordHeading: return "1) VÖÖ (nelikanttoru)";
    case K::kBraceHeading: return "2) VÕRGUVARRAS (ümartoru)";
    case K::kBrace1Heading: return "2) VASAKUL ASUV VARRAS 1 (ümartoru)";
    case K::kBrace2Heading: return "3) PAREMAL ASUV VARRAS 2 (ümartoru)";
    case K::kLayoutHeading: return "4) VARRASTE ASEND";
    case K::kChordClass: return "Surutud vöö: ";
    case K::kBraceClass: return "Surutud varras: ";
    case K::kOverlappingBrace: return "Ülekattega liide, pealmine varras i = ";
    case K::kOverlappedBrace: return ", alumine varras j = ";
    case K::kOverlapBeyondLimit:
      return "Ülekate > 80 %: varraste ühendust vöö pinnaga tuleb kontrollida nihkele (EN 1993-1-8 7.1.2(6))";
    case K::kParametersHeading: return "LIITE PARAMEETRID";
    case K::kFromSection: return "  (vöö ristlõikest)";
    case K::kGivenValue: return "  (antud)";
    case K::kRoundBraceRule:
      return "Ümartoruvarda korral on b ja h asemel d ning kandevõimed korrutatakse teguriga π/4 "
             "(EN 1993-1-8 tabelid 7.10-7.12).";
    case K::kNoRoundBraceFactor:
      return "Vöö lõikele (3a) ja vöö teljejõule varraste vahel (3b) tegurit π/4 ei rakendata (CIDECT-i "
             "juhend ristkülikvöödele; EN-i märkus nimetab \"eelnevaid kandevõimeid\").";
    case K::kReducedAbove355:
      return "Voolavuspiiri üle 355 MPa korral korrutatakse sellest sõltuv kandevõime teguriga 0.9 "
             "(EN 1993-1-8 7.1.1(4)).";
    case K::kChordInTension: return "vöö on tõmmatud, seega k";
    case K::kEccentricityMoment: return "Ekstsentrilisus on väljaspool -0.55×h";
    case K::kChordRightIndex: return "0,parem";
    case K::kChordLeftIndex: return "0,vasak";
    case K::kChordFaceHeading: return "1. Vöö pinna purunemine N";
    case K::kBraceFailureHeading: return "2. Varda purunemine N";
    case K::kChordShearHeading: return "3a. Vöö lõige N";
    case K::kChordInGapHeading: return "3b. Vöö teljejõud varraste vahel N";
    case K::kPunchingHeading: return "4. Vöö pinna läbisurumine N";
    case K::kNoPunching: return "läbisurumist ei kontrollita (";
    case K::kOverlapHeading: return "Ülekattega liide: pealmise varda purunemine N";
    case K::kOverlappedHeading: return "Alumise varda kandevõime N";
    case K::kJointResistanceIs: return "Liite kandevõime on N";
    case K::kBraceWord: return "Varras ";
    case K::kSchematicT: return "  T - SÕLM ";
    case K::kSchematicY: return "  Y - SÕLM ";
    case K::kSchematicX: return "  X - SÕLM ";
    case K::kSchematicKnGap: return "  KN ÜLEKATTETA - SÕLM ";
    case K::kSchematicKnOverlap: return "  KN ÜLEKATTEGA - SÕLM ";
    case K::kSchematicGap: return " Varraste otste vahe g = %3.1f mm";
    case K::kSchematicOverlap: return " Ülekate = (-g/p)×100 = %3.1f %%";
    case K::kCount: break;
  }
  return {};
}

}  // namespace traxen
