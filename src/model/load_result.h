// Result of reading a job or a library file: the value, or a message naming the file and
// the key, line or slot that is wrong.
#pragma once

#include <string>

namespace traxen {

struct LoadError {
  std::string message;  // complete, e.g. "job.json: line 3, column 7: unexpected '}'"
  explicit operator bool() const { return !message.empty(); }
};

}  // namespace traxen
