// A PDF written as it is made, made reproducible on the way.
#include "ui/qt/pdf_file_sink.h"

#include <QDateTime>
#include <QTimeZone>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace traxen {

namespace {

constexpr std::size_t kChunk = 256 * 1024;
// Every pattern the sink looks for, with the bytes it rewrites after it, fits in this many
// bytes: a pattern that starts closer than this to the end of what has come waits for more.
constexpr std::size_t kLookahead = 256;

constexpr std::string_view kPdfDate = "(D:";
constexpr std::string_view kXmpDates[] = {"<xmp:CreateDate>", "<xmp:ModifyDate>", "<xmp:MetadataDate>"};
constexpr std::string_view kTrailerId = "/ID";
constexpr std::string_view kUuid = "uuid:";
constexpr std::size_t kIdDigits = 32;
constexpr std::size_t kUuidSize = 36;

bool IsHex(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }
bool IsPdfSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

// `<` 32 hex digits `>` at `i` (after white space): the digits' position, else npos.
std::size_t HexIdAt(std::string_view text, std::size_t& i) {
  while (i < text.size() && IsPdfSpace(text[i])) ++i;
  if (i + kIdDigits + 2 > text.size() || text[i] != '<' || text[i + kIdDigits + 1] != '>') return std::string_view::npos;
  if (!std::all_of(text.begin() + i + 1, text.begin() + i + 1 + kIdDigits, IsHex)) return std::string_view::npos;
  const std::size_t digits = i + 1;
  i += kIdDigits + 2;
  return digits;
}

bool WriteAll(int fd, std::string_view bytes, int& error) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

PdfFileSink::PdfFileSink(int fd, bool reproducible, std::time_t created) : fd_(fd), reproducible_(reproducible) {
  const QDateTime when = QDateTime::fromSecsSinceEpoch(created, QTimeZone::utc());
  date_digits_ = when.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
  iso_date_ = when.toString(Qt::ISODate).left(19).toStdString();
  buffer_.reserve(kChunk + kLookahead);
  open(QIODevice::WriteOnly);
}

PdfFileSink::~PdfFileSink() = default;

qint64 PdfFileSink::writeData(const char* data, qint64 size) {
  if (error_ != 0) return size;  // the failure is told by Flush
  buffer_.append(data, static_cast<std::size_t>(size));
  if (buffer_.size() >= kChunk + kLookahead) Drain(buffer_.size() - kLookahead);
  return size;
}

void PdfFileSink::Drain(std::size_t limit) {
  if (reproducible_) {
    FixDates(limit);
    FindIds(limit);
    Hash(written_, std::string_view(buffer_).substr(0, limit));
  }
  if (error_ == 0) WriteAll(fd_, std::string_view(buffer_).substr(0, limit), error_);
  buffer_.erase(0, limit);
  written_ += static_cast<qint64>(limit);
}

void PdfFileSink::FixDates(std::size_t limit) {
  auto replace_after = [&](std::string_view marker, std::string_view value) {
    for (std::size_t at = buffer_.find(marker); at < limit; at = buffer_.find(marker, at + 1)) {
      const std::size_t start = at + marker.size();
      if (start + value.size() <= buffer_.size()) buffer_.replace(start, value.size(), value);
    }
  };
  replace_after(kPdfDate, date_digits_);
  for (std::string_view marker : kXmpDates) replace_after(marker, iso_date_);
}

void PdfFileSink::FindIds(std::size_t limit) {
  const std::string_view text = buffer_;
  // The trailer's "/ID [<first> <second>]".
  for (std::size_t at = text.find(kTrailerId); at < limit; at = text.find(kTrailerId, at + 1)) {
    std::size_t i = at + kTrailerId.size();
    while (i < text.size() && IsPdfSpace(text[i])) ++i;
    if (i >= text.size() || text[i] != '[') continue;
    ++i;
    for (int n = 0; n < 2; ++n) {
      const std::size_t digits = HexIdAt(text, i);
      if (digits == std::string_view::npos) break;
      ids_.push_back({written_ + static_cast<qint64>(digits), static_cast<qint64>(kIdDigits), false});
    }
  }
  // The XMP metadata's document and instance ids, "uuid:8-4-4-4-12".
  for (std::size_t at = text.find(kUuid); at < limit; at = text.find(kUuid, at + 1)) {
    const std::size_t start = at + kUuid.size();
    if (start + kUuidSize > text.size()) continue;
    const std::string_view value = text.substr(start, kUuidSize);
    if (std::all_of(value.begin(), value.end(), [](char c) { return IsHex(c) || c == '-'; }))
      ids_.push_back({written_ + static_cast<qint64>(start), static_cast<qint64>(kUuidSize), true});
  }
  std::sort(ids_.begin(), ids_.end(), [](const Span& a, const Span& b) { return a.at < b.at; });
}

// The hash covers every byte but the ids' own.
void PdfFileSink::Hash(qint64 at, std::string_view bytes) {
  qint64 from = at;
  const qint64 end = at + static_cast<qint64>(bytes.size());
  for (const Span& id : ids_) {
    if (id.at + id.size <= from) continue;
    if (id.at >= end) break;
    if (id.at > from) hash_.addData(QByteArrayView(bytes.data() + (from - at), id.at - from));
    from = std::min(end, id.at + id.size);
  }
  if (from < end) hash_.addData(QByteArrayView(bytes.data() + (from - at), end - from));
}

Message PdfFileSink::Flush() {
  Drain(buffer_.size());
  return error_ != 0 ? Message(MessageId::kSystemReason, SystemError{error_}) : Message();
}

void PdfFileSink::Appended(std::string_view bytes) {
  if (reproducible_) Hash(written_, bytes);
  written_ += static_cast<qint64>(bytes.size());
}

Message PdfFileSink::WriteId() {
  if (ids_.empty()) return {};
  const std::string id = hash_.result().toHex().toStdString();
  const std::string dashed = id.substr(0, 8) + '-' + id.substr(8, 4) + '-' + id.substr(12, 4) + '-' +
                             id.substr(16, 4) + '-' + id.substr(20, 12);
  for (const Span& span : ids_) {
    const std::string& value = span.dashed ? dashed : id;
    if (::pwrite(fd_, value.data(), value.size(), static_cast<off_t>(span.at)) != static_cast<ssize_t>(value.size()))
      return Message(MessageId::kSystemReason, SystemError{errno != 0 ? errno : EIO});
  }
  return {};
}

}  // namespace traxen
