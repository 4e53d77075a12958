// Saying a message in one language: its values first, then the catalogue's text.
#include "model/messages.h"

#include <fmt/args.h>

#include <cstring>

namespace traxen {

namespace {

std::string SayArg(const MessageArg& arg, Language language) {
  switch (arg.kind) {
    case MessageArg::Kind::kText: return arg.text;
    case MessageArg::Kind::kTerm: return language == Language::kEstonian ? EstonianTerm(arg.text) : arg.text;
    case MessageArg::Kind::kErrno:
      return language == Language::kEstonian ? EstonianSystemReason(arg.number) : std::strerror(arg.number);
    case MessageArg::Kind::kRange: {
      const auto range = static_cast<ValueRange>(arg.number);
      return language == Language::kEstonian ? RangeTextEt(range, arg.text) : RangeText(range, arg.text);
    }
    case MessageArg::Kind::kNested: return arg.nested ? arg.nested->Text(language) : std::string();
    case MessageArg::Kind::kWords: return language == Language::kEstonian ? arg.text_et : arg.text;
  }
  return {};
}

}  // namespace

std::string Message::Body(Language language) const {
  if (id_ == MessageId::kNone) return {};
  const char* text = language == Language::kEstonian ? EstonianText(id_) : EnglishText(id_);
  fmt::dynamic_format_arg_store<fmt::format_context> values;
  for (const MessageArg& arg : args_) values.push_back(SayArg(arg, language));
  return fmt::vformat(text, values);
}

std::string Message::Text(Language language) const {
  if (id_ == MessageId::kNone) return {};
  return file_.empty() ? Body(language) : file_ + ": " + Body(language);
}

}  // namespace traxen
