// Where Qt's PDF writer puts its bytes: straight into an open file, in large writes. For a
// reproducible PDF the sink also fixes the dates and the document id as the bytes pass, so
// that no PDF is ever held whole in memory, however many pages it has:
//   - the digits of every PDF date "(D:YYYYMMDDHHmmSS" and the XMP dates become `created`;
//   - the document id, where the file names it (the trailer's /ID pair and the XMP "uuid:"
//     values), becomes a hash of the rest of the file, bytes appended after Qt's included.
// Nothing else is touched: a bookmark or any other text that happens to look like an id
// stays as it was written. Every replacement keeps its length, so offsets stay right.
#pragma once

#include <QCryptographicHash>
#include <QIODevice>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "model/messages.h"

namespace traxen {

class PdfFileSink : public QIODevice {
 public:
  // `fd` is open for writing (and reading, for whoever appends to the file later) and stays
  // open; the sink starts writing at its current offset, which must be 0.
  PdfFileSink(int fd, bool reproducible, std::time_t created);
  ~PdfFileSink() override;

  bool isSequential() const override { return true; }

  // Writes out what is still buffered; the reason of the first failed write, else empty.
  Message Flush();
  // Bytes written to the file after Qt's (an appended outline): part of what the id hashes.
  void Appended(std::string_view bytes);
  // Writes the document id where the file names it. Call last.
  Message WriteId();

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override;

 private:
  struct Span {
    qint64 at, size;
    bool dashed;  // a uuid (8-4-4-4-12) rather than 32 hex digits
  };
  // Fixes what starts before `limit` in the buffer, then writes that part out.
  void Drain(std::size_t limit);
  void FixDates(std::size_t limit);
  void FindIds(std::size_t limit);
  void Hash(qint64 at, std::string_view bytes);

  int fd_;
  bool reproducible_;
  std::string date_digits_;  // "YYYYMMDDHHmmSS"
  std::string iso_date_;     // "YYYY-MM-DDTHH:mm:SS"
  std::string buffer_;
  qint64 written_ = 0;       // file offset of buffer_[0]
  int error_ = 0;            // errno of the first failed write
  std::vector<Span> ids_;
  QCryptographicHash hash_{QCryptographicHash::Md5};
};

}  // namespace traxen
