// Appending a document outline to a finished PDF.
#include "ui/qt/pdf_outline.h"

#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <string_view>

#include "base/display_text.h"
#include "base/utf8.h"

namespace traxen {

namespace {

std::string ReadAt(int fd, off_t offset, std::size_t size) {
  std::string bytes(size, '\0');
  std::size_t got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, bytes.data() + got, size - got, offset + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

std::optional<long> NumberAfter(std::string_view text, std::string_view key) {
  const std::size_t at = text.rfind(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t i = at + key.size();
  while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
  long v = 0;
  const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), v);
  if (ec != std::errc() || end == text.data() + i) return std::nullopt;
  return v;
}

// The object `number`'s text up to its "endobj", through the cross-reference table.
std::string ObjectText(int fd, const std::string& xref, long first, long number) {
  const std::size_t entry = static_cast<std::size_t>(number - first) * 20;
  if (number < first || entry + 20 > xref.size()) return {};
  long offset = 0;
  std::from_chars(xref.data() + entry, xref.data() + entry + 10, offset);
  std::string text;
  for (std::size_t chunk = 4096; chunk <= (1u << 26); chunk *= 4) {
    text = ReadAt(fd, offset, chunk);
    if (const std::size_t end = text.find("endobj"); end != std::string::npos) return text.substr(0, end);
    if (text.size() < chunk) break;
  }
  return {};
}

// A PDF text string in UTF-16BE with its byte order mark, as hex: any title, any script.
std::string PdfText(std::string_view utf8) {
  const std::string text = PrintableText(utf8);
  std::string hex = "<FEFF";
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = NextCodePoint(text, i);
    if (c > 0xFFFF) {
      c -= 0x10000;
      hex += fmt::format("{:04X}{:04X}", 0xD800 + (c >> 10), 0xDC00 + (c & 0x3FF));
    } else {
      hex += fmt::format("{:04X}", static_cast<unsigned>(c));
    }
  }
  return hex + ">";
}

}  // namespace

std::string AppendPdfOutline(int fd, const std::vector<PdfOutlineEntry>& entries, std::string* appended) {
  if (entries.empty()) return {};
  struct stat info {};
  if (::fstat(fd, &info) != 0) return std::strerror(errno);
  const off_t size = info.st_size;
  const std::string tail = ReadAt(fd, size > 2048 ? size - 2048 : 0, 2048);
  const std::optional<long> start_xref = NumberAfter(tail, "startxref");
  const std::optional<long> object_count = NumberAfter(tail, "/Size");
  const std::optional<long> root = NumberAfter(tail, "/Root");
  const std::optional<long> info_object = NumberAfter(tail, "/Info");
  if (!start_xref || !object_count || !root) return "the PDF has no trailer to add bookmarks to";

  // Qt writes one cross-reference table in one section: "xref\n0 N\n" then N entries.
  std::string head = ReadAt(fd, *start_xref, 64);
  if (!head.starts_with("xref")) return "the PDF's cross-reference table is not where its trailer says";
  const std::optional<long> first = NumberAfter(head.substr(0, head.find('\n', 5) + 1), "xref");
  const std::size_t entries_at = head.find('\n', head.find('\n') + 1) + 1;
  const std::string xref = ReadAt(fd, *start_xref + static_cast<off_t>(entries_at), static_cast<std::size_t>(*object_count) * 20);
  if (!first) return "the PDF's cross-reference table cannot be read";

  const std::string catalog = ObjectText(fd, xref, *first, *root);
  const std::optional<long> pages_object = NumberAfter(catalog, "/Pages");
  if (!pages_object) return "the PDF has no page tree";
  const std::string pages = ObjectText(fd, xref, *first, *pages_object);
  std::vector<long> page_objects;
  const std::size_t kids = pages.find("/Kids");
  const std::size_t open = pages.find('[', kids), close = pages.find(']', open);
  if (kids == std::string::npos || open == std::string::npos || close == std::string::npos)
    return "the PDF's page tree lists no pages";
  for (std::size_t i = open + 1; i < close;) {
    long number = 0, generation = 0;
    while (i < close && !std::isdigit(static_cast<unsigned char>(pages[i]))) ++i;
    auto r = std::from_chars(pages.data() + i, pages.data() + close, number);
    if (r.ec != std::errc()) break;
    i = static_cast<std::size_t>(r.ptr - pages.data());
    while (i < close && pages[i] == ' ') ++i;
    r = std::from_chars(pages.data() + i, pages.data() + close, generation);
    i = static_cast<std::size_t>(r.ptr - pages.data());
    while (i < close && (pages[i] == ' ' || pages[i] == 'R')) ++i;
    page_objects.push_back(number);
  }

  // The new objects: the outline root, one item per entry, and the catalogue again with
  // the outline named and shown on opening.
  const long outline = *object_count;
  const long first_item = outline + 1;
  const long n = static_cast<long>(entries.size());
  std::string update = "\n";
  std::vector<std::pair<long, long>> offsets;  // object number, byte offset
  auto add = [&](long number, const std::string& body) {
    offsets.emplace_back(number, static_cast<long>(size) + static_cast<long>(update.size()));
    update += fmt::format("{} 0 obj\n{}\nendobj\n", number, body);
  };
  add(outline, fmt::format("<<\n/Type /Outlines\n/First {} 0 R\n/Last {} 0 R\n/Count {}\n>>", first_item,
                           first_item + n - 1, n));
  for (long i = 0; i < n; ++i) {
    const PdfOutlineEntry& e = entries[static_cast<std::size_t>(i)];
    if (e.page < 0 || e.page >= static_cast<int>(page_objects.size()))
      return fmt::format("a bookmark points at page {} of {}", e.page + 1, page_objects.size());
    std::string item = fmt::format("<<\n/Title {}\n/Parent {} 0 R\n", PdfText(e.title), outline);
    if (i > 0) item += fmt::format("/Prev {} 0 R\n", first_item + i - 1);
    if (i + 1 < n) item += fmt::format("/Next {} 0 R\n", first_item + i + 1);
    item += fmt::format("/Dest [{} 0 R /Fit]\n>>", page_objects[static_cast<std::size_t>(e.page)]);
    add(first_item + i, item);
  }
  std::string new_catalog = catalog.substr(catalog.find("<<"));
  new_catalog = new_catalog.substr(0, new_catalog.rfind(">>"));
  add(*root, new_catalog + fmt::format("/Outlines {} 0 R\n/PageMode /UseOutlines\n>>", outline));

  const long xref_at = static_cast<long>(size) + static_cast<long>(update.size());
  update += "xref\n";
  update += fmt::format("{} 1\n{:010d} 00000 n \n", *root, offsets.back().second);
  update += fmt::format("{} {}\n", outline, n + 1);
  for (std::size_t i = 0; i + 1 < offsets.size(); ++i) update += fmt::format("{:010d} 00000 n \n", offsets[i].second);
  update += fmt::format("trailer\n<<\n/Size {}\n", first_item + n);
  if (info_object) update += fmt::format("/Info {} 0 R\n", *info_object);
  update += fmt::format("/Root {} 0 R\n/Prev {}\n>>\nstartxref\n{}\n%%EOF\n", *root, *start_xref, xref_at);

  for (std::size_t done = 0; done < update.size();) {
    const ssize_t w = ::pwrite(fd, update.data() + done, update.size() - done, size + static_cast<off_t>(done));
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return std::strerror(errno);
    done += static_cast<std::size_t>(w);
  }
  if (appended) *appended = std::move(update);
  return {};
}

}  // namespace traxen
