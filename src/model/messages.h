// Messages of the job files and of writing files as data: what is said (an id) and the values
// it names, said in English (traxen-cli, the tests that pin its words) or in Estonian (the
// desktop program, where everything around a message is Estonian). The file a message is
// about leads it, "PATH: ...", in both languages.
//
// The English and Estonian texts are two catalogues, messages_en.cpp and messages_et.cpp; a
// text may name its values by position ("{1} ... {0}") where Estonian orders them otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <fmt/format.h>

#include "model/value_ranges.h"

namespace traxen {

enum class Language { kEnglish, kEstonian };

enum class MessageId : std::uint8_t {
  kNone,
  kText,  // a text said the same in both languages (a path, a text from elsewhere)
  // Reading a file.
  kCannotOpen,
  kCannotRead,
  kIsDirectory,
  kNotRegularJobFile,
  kTooLarge,
  kUnknownJobType,
  // Writing a file.
  kCannotSave,
  kCannotSaveCreate,
  kCannotSaveReadBack,
  kCannotWrite,
  kOtherOwner,
  kPdfNotStarted,
  kPngNotEncoded,
  kSystemReason,
  kLinkFolderMissing,
  kLinkLoop,
  kLinkUnreadable,
  kIsFolder,
  kLinkToFolder,
  kNotRegular,
  kLinkToNotRegular,
  kReadOnly,
  // Project files.
  kLineMissing,
  kSlotMissing,
  kSlotProblem,
  kNotWholeNumber,
  kNotSensibleNumber,
  kNotANumber,
  kMoreValues,
  kMoreThanOneValue,
  kExtraLine,
  kSlotNotFlag,
  kBothFamilyFlags,
  kFy2Differs,
  kMustBeRange,
  kMustBeRangeWritten,
  kNoWindows1257,
  kBadByte,
  kSectionsNotRestored,
  // JSON jobs.
  kJsonSyntax,
  kJsonDecimalComma,
  kJsonNotAJob,
  kJsonBothFamilies,
  kJsonUnknownGroup,
  kJsonUnknownGroupNearest,
  kJsonGroupTwice,
  kJsonUnknownKey,
  kJsonUnknownKeyNearest,
  kJsonKeyTwice,
  kJsonArrayLength,
  kJsonNotObject,
  kJsonExpectedObject,
  kJsonExpected,
  kJsonArrayItem,
  kJsonFlagNot01,
  kJsonWantNumber,
  kJsonWantFlag,
  kJsonWantInteger,
  kJsonWantString,
  kJsonWantArray,
  kJsonMissingKey,
  kJsonMissingKeys,
  kJsonKeyValue,
  kJsonNotSensible,
  kJsonPositivePlate,
  kJsonPositive,
  kJsonMust,
  kJsonWallTooThick,
  kJsonReplaced,
  kJsonFamilies,
  kJsonRoundWallTooThick,
  kCannotSaveInProjectFile,
  kWarning,
  kLast = kWarning,
};

class Message;

// A value a message names.
struct MessageArg {
  enum class Kind : std::uint8_t { kText, kTerm, kErrno, kRange, kNested, kWords };
  Kind kind = Kind::kText;
  std::string text;  // kText, kTerm (an English term the Estonian catalogue translates), kRange's unit,
                     // kWords' English
  std::string text_et;  // kWords' Estonian
  int number = 0;    // kErrno, kRange (the ValueRange)
  std::shared_ptr<const Message> nested;
};

// The system's reason for a failed call, said in the message's language.
struct SystemError {
  int error;
};
// A term of a closed vocabulary (a slot name, a JSON kind, a member): Estonian translates it.
struct Term {
  std::string text;
};
// Words the caller brings in both languages, where no closed vocabulary has them (a joint
// family's name for its joint).
struct Words {
  std::string_view en, et;
};
// A value's range in words (RangeText, RangeTextEt).
struct RangeArg {
  ValueRange range;
  std::string unit;
};

class Message {
 public:
  Message() = default;
  template <class... Args>
  explicit Message(MessageId id, const Args&... args) : id_(id) {
    args_.reserve(sizeof...(Args));
    (args_.push_back(ToArg(args)), ...);
  }

  // The message about `file`: "FILE: ..." in either language.
  Message& About(std::string file) {
    file_ = std::move(file);
    return *this;
  }

  MessageId id() const { return id_; }
  bool empty() const { return id_ == MessageId::kNone; }
  const std::string& file() const { return file_; }
  const std::vector<MessageArg>& args() const { return args_; }

  std::string Text(Language language) const;
  std::string English() const { return Text(Language::kEnglish); }
  // Without the leading "FILE: ".
  std::string Body(Language language) const;

 private:
  template <class T>
  static MessageArg ToArg(const T& value) {
    MessageArg arg;
    if constexpr (std::is_same_v<T, Message>) {
      arg.kind = MessageArg::Kind::kNested;
      arg.nested = std::make_shared<const Message>(value);
    } else if constexpr (std::is_same_v<T, SystemError>) {
      arg.kind = MessageArg::Kind::kErrno;
      arg.number = value.error;
    } else if constexpr (std::is_same_v<T, Term>) {
      arg.kind = MessageArg::Kind::kTerm;
      arg.text = value.text;
    } else if constexpr (std::is_same_v<T, Words>) {
      arg.kind = MessageArg::Kind::kWords;
      arg.text = std::string(value.en);
      arg.text_et = std::string(value.et);
    } else if constexpr (std::is_same_v<T, RangeArg>) {
      arg.kind = MessageArg::Kind::kRange;
      arg.number = static_cast<int>(value.range);
      arg.text = value.unit;
    } else if constexpr (std::is_arithmetic_v<T>) {
      arg.text = fmt::format("{}", value);  // the same digits in both languages
    } else {
      arg.text = std::string(std::string_view(value));
    }
    return arg;
  }

  MessageId id_ = MessageId::kNone;
  std::string file_;
  std::vector<MessageArg> args_;
};

// The catalogues: the text of `id` with "{}" for its values in order (or "{0}", "{1}", ...).
const char* EnglishText(MessageId id);
const char* EstonianText(MessageId id);
// The system's reason for `error` in Estonian; strerror's English for a rare one.
std::string EstonianSystemReason(int error);
// `term` in Estonian; the term itself when it is a symbol ("N1", "fy2") or unknown.
std::string EstonianTerm(std::string_view term);

}  // namespace traxen
