// The Estonian catalogue: the desktop program's words for the same messages.
#include "model/messages.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace traxen {

const char* EstonianText(MessageId id) {
  switch (id) {
    case MessageId::kNone: return "";
    case MessageId::kText: return "{}";
    case MessageId::kCannotOpen: return "faili ei saa avada: {}";
    case MessageId::kCannotRead: return "faili ei saa lugeda: {}";
    case MessageId::kIsDirectory: return "see on kaust, mitte tööfail";
    case MessageId::kNotRegularJobFile: return "see ei ole tavaline fail (vaid toru, seade või sokkel); vali tööfail";
    case MessageId::kTooLarge: return "tööfaili kohta liiga suur (piir on {} kB)";
    case MessageId::kUnknownJobType: return "tundmatu tööfaili tüüp (oodati .json või .trx)";
    case MessageId::kCannotSave: return "faili ei saa salvestada: {}";
    case MessageId::kCannotSaveCreate: return "faili ei saa salvestada: kausta {} ei saa faili luua: {}";
    case MessageId::kCannotSaveReadBack: return "faili ei saa salvestada, sest seda ei saaks tagasi lugeda: {}";
    case MessageId::kCannotWrite: return "faili ei saa kirjutada: {}";
    case MessageId::kOtherOwner: return "see kuulub teisele kasutajale (uid {}) ja asendus võtaks selle üle";
    case MessageId::kPdfNotStarted: return "PDF-faili koostamist ei saanud alustada";
    case MessageId::kPngNotEncoded: return "PNG-pilti ei saanud kodeerida";
    case MessageId::kSystemReason: return "{}";
    case MessageId::kLinkFolderMissing: return "see on viit failile {}, mille kausta pole olemas";
    case MessageId::kLinkLoop: return "see on viit, mis ei vii ühegi failini (viitade ring)";
    case MessageId::kLinkUnreadable: return "see on viit, mida ei saa lugeda: {}";
    case MessageId::kIsFolder: return "see on kaust";
    case MessageId::kLinkToFolder: return "see on viit kaustale {}";
    case MessageId::kNotRegular: return "see ei ole tavaline fail (vaid toru, seade või sokkel) ja seda ei asendata";
    case MessageId::kLinkToNotRegular: return "see on viit failile {}, mis ei ole tavaline fail";
    case MessageId::kReadOnly: return "fail on kirjutuskaitstud";
    case MessageId::kLineMissing: return "rida {} puudub: projektifailis on {} rida, see fail lõpeb pärast rida {}";
    case MessageId::kSlotMissing: return "rida {}, väli {} ({}): puudub; real on {} väärtust, vaja on {}";
    case MessageId::kSlotProblem: return "rida {}, väli {} ({}): {}";
    case MessageId::kNotWholeNumber: return "{} ei ole täisarv";
    case MessageId::kNotSensibleNumber: return "{} ei ole mõistliku suurusega lõplik arv";
    case MessageId::kNotANumber: return "{} ei ole arv";
    case MessageId::kMoreValues: return "rida {}: rohkem kui {} väärtust (järgneb {})";
    case MessageId::kMoreThanOneValue: return "rida {}: rohkem kui üks väärtus (järgneb {})";
    case MessageId::kExtraLine: return "rida {}: tundmatu lisarida ({}); projektifail lõpeb reaga {}";
    case MessageId::kSlotNotFlag: return "rida {}, väli {} ({}): {} ei ole 0 ega 1";
    case MessageId::kBothFamilyFlags: return "rida 1: mõlemad sõlmetüübi lipud on 1; projektifailis on üks sõlmetüüp";
    case MessageId::kFy2Differs: return "rida {}, väli 1 (fy2): {} erineb rea 4 väljast 6 (fy2): {}";
    case MessageId::kMustBeRange: return "{} peab olema {}";
    case MessageId::kMustBeRangeWritten: return "{} peab olema {} (kuue kümnendkohaga on see {})";
    case MessageId::kNoWindows1257: return "Windows-1257 teisendust selles süsteemis ei ole";
    case MessageId::kBadByte: return "rida {}: bait {} ei ole UTF-8 ega Windows-1257 märk";
    case MessageId::kSectionsNotRestored: return "profiile ei saa taastada: {}";
    // The parser's own explanation ({2}) is English and is left out.
    case MessageId::kJsonSyntax: return "rida {0}, veerg {1}: vigane JSON{3}";
    case MessageId::kJsonDecimalComma: return " (arvudes on kümnendpunkt: 2.5, mitte 2,5)";
    case MessageId::kJsonNotAJob: return "see ei ole JSON-töö";
    case MessageId::kJsonBothFamilies: return "võti \"family\": {} ja {} on mõlemad 1; töö on ühte sõlmetüüpi";
    case MessageId::kJsonUnknownGroup: return "tundmatu rühm \"{}\"; rühmad on {}";
    case MessageId::kJsonUnknownGroupNearest: return "tundmatu rühm \"{}\" (kas mõeldud oli \"{}\"?); rühmad on {}";
    case MessageId::kJsonGroupTwice: return "rühm \"{}\" on kaks korda";
    case MessageId::kJsonUnknownKey: return "tundmatu võti \"{}\" (traxen-cli keys loetleb võtmed)";
    case MessageId::kJsonUnknownKeyNearest: return "tundmatu võti \"{}\"; kas mõeldud oli \"{}\"?";
    case MessageId::kJsonKeyTwice: return "võti \"{}\" on kaks korda";
    case MessageId::kJsonArrayLength: return "võti \"{}\": oodati {}-arvulist massiivi";
    case MessageId::kJsonNotObject: return "töö peab olema JSON-objekt, leiti {}";
    case MessageId::kJsonExpectedObject: return "võti \"{}\": oodati objekti, leiti {}";
    case MessageId::kJsonExpected: return "võti \"{}\": oodati {}, leiti {}";
    case MessageId::kJsonArrayItem: return "võti \"{}[{}]\": oodati arvu, leiti {}";
    case MessageId::kJsonFlagNot01: return "võti \"{}\": {} ei ole 0 ega 1 (false või true)";
    case MessageId::kJsonWantNumber: return "arvu";
    case MessageId::kJsonWantFlag: return "täisarvu 0 või 1 (või false või true)";
    case MessageId::kJsonWantInteger: return "täisarvu";
    case MessageId::kJsonWantString: return "teksti";
    case MessageId::kJsonWantArray: return "{}-arvulist massiivi";
    case MessageId::kJsonMissingKey: return "{}-töös peab olema võti {} (traxen-cli new {} kirjutab tervikliku töö)";
    case MessageId::kJsonMissingKeys:
      return "{}-töös peavad olema võtmed ({}): {} (traxen-cli new {} kirjutab tervikliku töö)";
    case MessageId::kJsonKeyValue: return "võti \"{}\": {} {}";
    case MessageId::kJsonNotSensible: return "ei ole mõistliku suurusega lõplik arv";
    case MessageId::kJsonPositivePlate: return "peab olema positiivne mõõt ({}), kuni plaat on kasutusel ({} = 1)";
    case MessageId::kJsonPositive: return "peab olema positiivne mõõt ({})";
    case MessageId::kJsonMust: return "peab olema {}";
    case MessageId::kJsonWallTooThick:
      return "võti \"{0}\": {1} mm seinaga ei jää {2} {3} x {4} mm ristlõikesse ava (sein peab olema õhem kui pool "
             "kummastki küljest)";
    case MessageId::kJsonReplaced: return "võti \"{}\": antud väärtus {} asendati tuletatud väärtusega {}";
    case MessageId::kJsonFamilies: return "võti \"family\": {} on kõik 1; töö on ühte sõlmetüüpi";
    case MessageId::kJsonRoundWallTooThick:
      return "võti \"{0}\": {1} mm seinaga ei jää {2} Ø{3} mm ristlõikesse ava (sein peab olema õhem kui "
             "pool läbimõõdust)";
    // {} is the joint in the allative: "ümartorusõlmele".
    case MessageId::kCannotSaveInProjectFile:
      return "faili ei saa salvestada: projektifailis (.trx) ei ole kohta {}; salvestage see .json-failina";
    case MessageId::kWarning: return "hoiatus: {}";
  }
  return "{}";
}

std::string EstonianSystemReason(int error) {
  switch (error) {
    case ENOENT: return "sellist faili ega kausta ei ole";
    case EACCES: return "juurdepääs keelatud";
    case EPERM: return "toiming pole lubatud";
    case ENOSPC: return "kettal pole ruumi";
    case EDQUOT: return "kettakvoot on täis";
    case EROFS: return "failisüsteem on ainult lugemiseks";
    case EISDIR: return "see on kaust";
    case ENOTDIR: return "tee osa ei ole kaust";
    case EEXIST: return "fail on juba olemas";
    case EIO: return "sisend-väljundviga";
    case ENAMETOOLONG: return "failinimi on liiga pikk";
    case ELOOP: return "liiga palju viitasid";
    case EMFILE:
    case ENFILE: return "liiga palju avatud faile";
    case ETXTBSY:
    case EBUSY: return "fail on kasutusel";
    case EXDEV: return "faili ei saa teisele failisüsteemile ümber nimetada";
    case EFBIG: return "fail on liiga suur";
    case ENXIO: return "seadet ei ole";
    case EINVAL: return "vigane argument";
    case ENOMEM: return "mälu ei jätku";
  }
  return std::string("süsteemi viga: ") + std::strerror(error);
}

std::string EstonianTerm(std::string_view term) {
  static constexpr std::pair<std::string_view, std::string_view> kTerms[] = {
      // Project-file slots.
      {"T/Y/X flag", "T/Y/X lipp"},
      {"K/N flag", "K/N lipp"},
      {"L0 left", "L0 vasak"},
      {"L0 right", "L0 parem"},
      {"reserved value", "reserveeritud väärtus"},
      {"chord class", "vöö klass"},
      {"brace class", "varda klass"},
      {"chord type position", "vöö tüübi järjekorranumber"},
      {"chord section position", "vöö profiili järjekorranumber"},
      {"brace 1 type position", "varda 1 tüübi järjekorranumber"},
      {"brace 1 section position", "varda 1 profiili järjekorranumber"},
      {"brace 2 type position", "varda 2 tüübi järjekorranumber"},
      {"brace 2 section position", "varda 2 profiili järjekorranumber"},
      {"face plate l", "pinnaplaadi l"},
      {"face plate b", "pinnaplaadi b"},
      {"face plate t", "pinnaplaadi t"},
      {"side plate l", "küljeplaadi l"},
      {"side plate b", "küljeplaadi b"},
      {"side plate t", "küljeplaadi t"},
      {"overlap plate l", "ülekatteplaadi l"},
      {"overlap plate b", "ülekatteplaadi b"},
      {"overlap plate t", "ülekatteplaadi t"},
      {"plate flag 1", "plaadi lipp 1"},
      {"plate flag 2", "plaadi lipp 2"},
      {"plate flag 3", "plaadi lipp 3"},
      {"plate fy", "plaadi fy"},
      // What a JSON job holds where another value belongs.
      {"null", "null"},
      {"boolean", "tõeväärtus"},
      {"number", "arv"},
      {"integer", "täisarv"},
      {"string", "tekst"},
      {"binary", "binaarandmed"},
      {"object", "objekt"},
      {"array", "massiiv"},
      // Members, in the genitive their sentence needs.
      {"chord", "vöö"},
      {"brace", "varda"},
      {"brace 1", "varda 1"},
      {"brace 2", "varda 2"},
  };
  for (const auto& [en, et] : kTerms)
    if (term == en) return std::string(et);
  return std::string(term);
}

}  // namespace traxen
