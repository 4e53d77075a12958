// Result of reading a job or a library file: the value, or a message naming the file and
// the key, line or slot that is wrong.
#pragma once

#include <string>

#include "model/messages.h"

namespace traxen {

struct LoadError {
  std::string message;  // complete, in English, e.g. "job.json: line 3, column 7: unexpected '}'"
  Message what{};       // the same as data, to be said in Estonian too; empty for a message not in the catalogue
  explicit operator bool() const { return !message.empty(); }
};

// The error of `what`, its English text as `message`.
inline LoadError Fail(Message what) { return {what.English(), std::move(what)}; }

// The error in `language`; a message outside the catalogue as it was written.
inline std::string ErrorText(const LoadError& e, Language language) {
  return e.what.empty() ? e.message : e.what.Text(language);
}

}  // namespace traxen
