// Reading a job file's bytes with the guards every job reader needs: a directory, a FIFO,
// a device or a file larger than any job can be is refused before a byte is read, with a
// message naming the file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

#include "model/load_result.h"

namespace traxen {

// No job file comes near this: a project file is under 2 kB, a complete JSON job under 8 kB.
inline constexpr std::size_t kMaxJobFileBytes = 1024 * 1024;

LoadError ReadJobFileBytes(const std::string& path, std::string& content, std::size_t limit = kMaxJobFileBytes);

// The same limit for a job read from a stream (standard input); `name` serves the messages.
LoadError ReadJobStream(std::FILE* stream, const std::string& name, std::string& content,
                        std::size_t limit = kMaxJobFileBytes);

}  // namespace traxen
