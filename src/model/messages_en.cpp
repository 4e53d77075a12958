// The English catalogue: the words of traxen-cli, which its users and tests rely on.
#include "model/messages.h"

namespace traxen {

const char* EnglishText(MessageId id) {
  switch (id) {
    case MessageId::kNone: return "";
    case MessageId::kText: return "{}";
    case MessageId::kCannotOpen: return "cannot open: {}";
    case MessageId::kCannotRead: return "cannot read: {}";
    case MessageId::kIsDirectory: return "is a directory, not a job file";
    case MessageId::kNotRegularJobFile: return "is not a regular file (a pipe, device or socket); name a job file";
    case MessageId::kTooLarge: return "too large for a job file (the limit is {} kB)";
    case MessageId::kUnknownJobType: return "unknown job file type (expected .json or .trx)";
    case MessageId::kCannotSave: return "cannot save: {}";
    case MessageId::kCannotSaveCreate: return "cannot save: cannot create a file in {}: {}";
    case MessageId::kCannotSaveReadBack: return "cannot save: the file would not read back: {}";
    case MessageId::kCannotWrite: return "cannot write: {}";
    case MessageId::kOtherOwner: return "it belongs to another user (uid {}), and a replacement would take it over";
    case MessageId::kPdfNotStarted: return "the PDF could not be started";
    case MessageId::kPngNotEncoded: return "the PNG image could not be encoded";
    case MessageId::kSystemReason: return "{}";
    case MessageId::kLinkFolderMissing: return "it is a link to {}, whose folder does not exist";
    case MessageId::kLinkLoop: return "it is a link that leads to no file (a loop of links)";
    case MessageId::kLinkUnreadable: return "it is a link that cannot be read: {}";
    case MessageId::kIsFolder: return "it is a folder";
    case MessageId::kLinkToFolder: return "it is a link to the folder {}";
    case MessageId::kNotRegular: return "it is not a regular file (a pipe, a device or a socket); it is not replaced";
    case MessageId::kLinkToNotRegular: return "it is a link to {}, which is not a regular file";
    case MessageId::kReadOnly: return "the file is read-only";
    case MessageId::kLineMissing: return "line {} is missing: a project file has {} lines, this one ends after {}";
    case MessageId::kSlotMissing: return "line {}, slot {} ({}): missing; the line has {} of its {} values";
    case MessageId::kSlotProblem: return "line {}, slot {} ({}): {}";
    case MessageId::kNotWholeNumber: return "{} is not a whole number";
    case MessageId::kNotSensibleNumber: return "{} is not a finite number of a sensible size";
    case MessageId::kNotANumber: return "{} is not a number";
    case MessageId::kMoreValues: return "line {}: more than its {} values ({} follows)";
    case MessageId::kMoreThanOneValue: return "line {}: more than its 1 value ({} follows)";
    case MessageId::kExtraLine: return "line {}: an unknown extra line ({}); a project file ends after line {}";
    case MessageId::kSlotNotFlag: return "line {}, slot {} ({}): {} is not 0 or 1";
    case MessageId::kBothFamilyFlags: return "line 1: both family flags are 1; a project file holds one joint family";
    case MessageId::kFy2Differs: return "line {}, slot 1 (fy2): {} differs from line 4, slot 6 (fy2): {}";
    case MessageId::kMustBeRange: return "{} must be {}";
    case MessageId::kMustBeRangeWritten: return "{} must be {} (six decimals make it {})";
    case MessageId::kNoWindows1257: return "the Windows-1257 conversion is not available on this system";
    case MessageId::kBadByte: return "line {}: byte {} is neither UTF-8 nor a Windows-1257 character";
    case MessageId::kSectionsNotRestored: return "the sections cannot be restored: {}";
    case MessageId::kJsonSyntax: return "line {}, column {}: not valid JSON: {}{}";
    case MessageId::kJsonDecimalComma: return " (numbers use a decimal point: 2.5, not 2,5)";
    case MessageId::kJsonNotAJob: return "not a JSON job";
    case MessageId::kJsonBothFamilies: return "key \"family\": {} and {} are both 1; a job is of one family";
    case MessageId::kJsonUnknownGroup: return "unknown group \"{}\"; the groups are {}";
    case MessageId::kJsonUnknownGroupNearest: return "unknown group \"{}\" (did you mean \"{}\"?); the groups are {}";
    case MessageId::kJsonGroupTwice: return "group \"{}\" appears twice";
    case MessageId::kJsonUnknownKey: return "unknown key \"{}\" (traxen-cli keys lists them)";
    case MessageId::kJsonUnknownKeyNearest: return "unknown key \"{}\"; did you mean \"{}\"?";
    case MessageId::kJsonKeyTwice: return "key \"{}\" appears twice";
    case MessageId::kJsonArrayLength: return "key \"{}\": expected an array of {} numbers";
    case MessageId::kJsonNotObject: return "a job must be a JSON object, found {}";
    case MessageId::kJsonExpectedObject: return "key \"{}\": expected an object, found {}";
    case MessageId::kJsonExpected: return "key \"{}\": expected {}, found {}";
    case MessageId::kJsonArrayItem: return "key \"{}[{}]\": expected a number, found {}";
    case MessageId::kJsonFlagNot01: return "key \"{}\": {} is not 0 or 1 (false or true)";
    case MessageId::kJsonWantNumber: return "a number";
    case MessageId::kJsonWantFlag: return "an integer, 0 or 1 (or false or true)";
    case MessageId::kJsonWantInteger: return "an integer";
    case MessageId::kJsonWantString: return "a string";
    case MessageId::kJsonWantArray: return "an array of {} numbers";
    case MessageId::kJsonMissingKey: return "a {} job must give this key: {} (traxen-cli new {} writes a complete job)";
    case MessageId::kJsonMissingKeys:
      return "a {} job must give these keys ({}): {} (traxen-cli new {} writes a complete job)";
    case MessageId::kJsonKeyValue: return "key \"{}\": {} {}";
    case MessageId::kJsonNotSensible: return "is not a finite number of a sensible size";
    case MessageId::kJsonPositivePlate: return "must be a positive size in {} while its plate is used ({} = 1)";
    case MessageId::kJsonPositive: return "must be a positive size in {}";
    case MessageId::kJsonMust: return "must be {}";
    case MessageId::kJsonWallTooThick:
      return "key \"{}\": a wall of {} mm leaves no hole in the {} of {} x {} mm (the wall must be less than half of "
             "both sides)";
    case MessageId::kJsonReplaced: return "key \"{}\": the given {} is replaced by the derived {}";
    case MessageId::kJsonFamilies: return "key \"family\": {} are all 1; a job is of one family";
    case MessageId::kJsonRoundWallTooThick:
      return "key \"{}\": a wall of {} mm leaves no bore in the {} of diameter {} mm (the wall must be less than half "
             "the diameter)";
    case MessageId::kCannotSaveInProjectFile:
      return "cannot save: a project file (.trx) has no room for {}; save it as .json";
    case MessageId::kWarning: return "warning: {}";
  }
  return "{}";
}

}  // namespace traxen
