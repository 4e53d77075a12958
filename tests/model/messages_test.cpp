// The job files' and file writers' messages in both languages: traxen-cli's English stays as
// it was, and every message a desktop user can meet reads in Estonian, with the file, line,
// key and values it names.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "model/atomic_file.h"
#include "model/job_document.h"
#include "model/messages.h"
#include "model/saved_file.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

// English words that have no place in an Estonian message. The texts a message quotes (the
// file's own words in '...' or "...") and the paths are removed before looking.
const std::regex kEnglish(
    R"((^|[^A-Za-z_\x80-\xff])(cannot|line|slot|key|expected|found|missing|must|file|folder|link|the|is|not|a|an|of|and|or|number|numbers|values?|read|write|save|open|warning|given|derived|job|group|unknown|directory|regular|size|while|used|wall|array|integer|string|object|chord|brace|plate|flag|position|class|left|right|reserved|byte|column|JSON\s+object|such|permission|denied|space|device)($|[^A-Za-z_\x80-\xff]))",
    std::regex::icase);

std::string WithoutQuotesAndPaths(std::string text, const std::string& dir) {
  for (std::size_t at = text.find(dir); at != std::string::npos; at = text.find(dir))
    text.erase(at, text.find_first_of(": ", at + dir.size()) - at);
  text = std::regex_replace(text, std::regex(R"('[^']*')"), "''");
  // The JSON groups are names to type, not words.
  text = std::regex_replace(text, std::regex("info, family, steel, len, chord, tyx, kn, chs_tyx, chs_kn, rc_tyx, rc_kn, plate"), "");
  text = std::regex_replace(text, std::regex(R"("[^"]*")"), "\"\"");
  return text;
}

::testing::AssertionResult IsEstonian(const std::string& text, const std::string& dir = "\x01") {
  const std::string bare = WithoutQuotesAndPaths(text, dir);
  std::smatch m;
  if (std::regex_search(bare, m, kEnglish)) return ::testing::AssertionFailure() << "\"" << m.str(2) << "\" in: " << text;
  return ::testing::AssertionSuccess();
}

TEST(Messages, EveryCatalogueTextHasItsEstonianWords) {
  for (int i = 1; i <= static_cast<int>(MessageId::kLast); ++i) {
    const auto id = static_cast<MessageId>(i);
    const std::string en = EnglishText(id), et = EstonianText(id);
    if (id == MessageId::kText || id == MessageId::kSystemReason) {
      EXPECT_EQ(en, "{}");
      EXPECT_EQ(et, "{}");
      continue;
    }
    EXPECT_NE(en, et) << "message " << i;
    EXPECT_TRUE(IsEstonian(et)) << "message " << i;
  }
  for (int error : {ENOENT, EACCES, EPERM, ENOSPC, EDQUOT, EROFS, EISDIR, ENOTDIR, EIO, ELOOP, EXDEV, EFBIG})
    EXPECT_TRUE(IsEstonian(EstonianSystemReason(error))) << error;
}

TEST(Messages, ValuesAreNamedInBothLanguagesAndEstonianMayReorderThem) {
  const Message slot =
      Message(MessageId::kSlotProblem, 4, 3, Term{"chord section position"},
              Message(MessageId::kMustBeRange, -2.5, RangeArg{ValueRange::kPositive, "m"}))
          .About("töö.trx");
  EXPECT_EQ(slot.English(), "töö.trx: line 4, slot 3 (chord section position): -2.5 must be > 0 m");
  EXPECT_EQ(slot.Text(Language::kEstonian), "töö.trx: rida 4, väli 3 (vöö profiili järjekorranumber): -2.5 peab olema > 0 m");
  const Message wall = Message(MessageId::kJsonWallTooThick, "kn.t1", 60, Term{"brace 1"}, 100, 100).About("j.json");
  EXPECT_EQ(wall.Text(Language::kEstonian),
            "j.json: võti \"kn.t1\": 60 mm seinaga ei jää varda 1 100 x 100 mm ristlõikesse ava (sein peab olema õhem "
            "kui pool kummastki küljest)");
  EXPECT_EQ(Message(MessageId::kCannotOpen, SystemError{ENOENT}).About("/x/a.trx").Text(Language::kEstonian),
            "/x/a.trx: faili ei saa avada: sellist faili ega kausta ei ole");
  EXPECT_EQ(Message(MessageId::kCannotOpen, SystemError{ENOENT}).About("/x/a.trx").English(),
            "/x/a.trx: cannot open: No such file or directory");
}

// What the desktop program meets when it opens and saves: each failure in English as before
// (the CLI's tests pin those words) and in Estonian without an English word left.
TEST(Messages, EveryFailureOfOpeningAndSavingReadsInEstonian) {
  testing::TempDir dir;
  const std::string good = testing::ReadFile(testing::SourcePath("examples/kn_windows.trx"));
  const auto with_line = [&](int n, const std::string& text) {
    std::string out;
    std::size_t start = 0;
    for (int i = 1; start <= good.size(); ++i) {
      std::size_t end = good.find('\n', start);
      if (end == std::string::npos) end = good.size();
      out += (i == n ? text : good.substr(start, end - start)) + (end < good.size() ? "\n" : "");
      start = end + 1;
    }
    return out;
  };
  const std::string json = testing::ReadFile(testing::SourcePath("bench/jobs/kn_gap.json"));
  const auto json_with = [&](const std::string& from, const std::string& to) {
    std::string out = json;
    const std::size_t at = out.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) out.replace(at, from.size(), to);
    return out;
  };
  struct Case {
    const char* name;
    std::string bytes;  // "" for a case made below
    const char* english;  // a part of the English message
  };
  const Case cases[] = {
      {"slot.trx", with_line(4, "4 4 -52 abc 355 355 84.3 48 1 "), "line 4, slot 4 (N2): 'abc' is not a number"},
      {"whole.trx", with_line(7, "0 41 0 1.5 0 36 "), "is not a whole number"},
      {"short.trx", with_line(5, "100 "), "missing; the line has 1 of its 3 values"},
      {"more.trx", with_line(3, "1 2 3 "), "more than its 2 values"},
      {"lines.trx", good.substr(0, good.find('\n') + 1), "line 2 is missing"},
      {"flag.trx", with_line(14, "0 2 0 "), "(plate flag 2): 2 is not 0 or 1"},
      {"range.trx", with_line(1, "0 1 -4 4 -271.6 2.81 355 1 1 "), "(L0 left): -4 must be > 0 m"},
      {"byte.trx", with_line(15, "\x81\x81 "), "is neither UTF-8 nor a Windows-1257 character"},
      {"extra.trx", good + std::string(12, '\n') + "x\n", "an unknown extra line"},
      {"syntax.json", json_with("{", "{,"), "not valid JSON"},
      {"comma.json", json_with("\"L1\": 2.8", "\"L1\": 2,8"), "not valid JSON"},
      {"unknown.json", json_with("\"kn\"", "\"knn\""), "unknown group"},
      {"key.json", json_with("\"N1\"", "\"N11\""), "unknown key"},
      {"type.json", json_with("\"N1\": ", "\"N1\": \"x\", \"N1b\": "), "expected a number, found string"},
      {"size.json", json_with("\"L1\": 2.8", "\"L1\": -4"), "must be > 0 m"},
      {"array.json", "[1]", "a job must be a JSON object, found array"},
      {"directory.trx", "", "is a directory"},
      {"absent.trx", "", "cannot open: No such file or directory"},
  };
  for (const Case& c : cases) {
    const std::string path = dir.File(c.name);
    if (std::string(c.name) == "directory.trx") std::filesystem::create_directory(path);
    else if (!c.bytes.empty()) std::ofstream(path, std::ios::binary) << c.bytes;
    JobDocument doc;
    int dialog = 0;
    const LoadError e = OpenJobDocument(doc, path, dialog);
    ASSERT_TRUE(e) << c.name;
    EXPECT_NE(e.message.find(c.english), std::string::npos) << c.name << ": " << e.message;
    ASSERT_FALSE(e.what.empty()) << c.name;
    EXPECT_EQ(e.what.English(), e.message);
    const std::string et = ErrorText(e, Language::kEstonian);
    EXPECT_EQ(et.rfind(path + ": ", 0), 0u) << et;
    EXPECT_TRUE(IsEstonian(et, dir.File(""))) << c.name;
  }

  // A JSON value the confirmation replaces is a warning, in Estonian too.
  const std::string replaced = dir.File("n2.json");
  std::ofstream(replaced) << json_with("\"N1\": ", "\"N2\": 100, \"N1\": ");
  JobDocument doc;
  int dialog = 0;
  std::vector<std::string> warnings;
  std::vector<Message> messages;
  ASSERT_FALSE(OpenJobDocument(doc, replaced, dialog, &warnings, &messages));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].English(), warnings[0]);
  EXPECT_NE(warnings[0].find(": warning: key \"kn.N2\": the given 100 is replaced by the derived"), std::string::npos);
  const std::string et = messages[0].Text(Language::kEstonian);
  EXPECT_NE(et.find(": hoiatus: võti \"kn.N2\": antud väärtus 100 asendati tuletatud väärtusega"), std::string::npos) << et;
  EXPECT_TRUE(IsEstonian(et, dir.File("")));

  // Saving and writing: a folder, a read-only file, a missing folder.
  const std::string folder = dir.File("folder.trx");
  std::filesystem::create_directory(folder);
  const std::string read_only = dir.File("ro.trx");
  std::ofstream(read_only) << "old";
  ::chmod(read_only.c_str(), 0444);
  for (const std::string& target : {folder, read_only, dir.File("gone/x.trx")}) {
    for (const LoadError& e : {SaveFileContent(target, "x"), WriteFileAtomically(target, "x")}) {
      ASSERT_TRUE(e) << target;
      EXPECT_EQ(e.what.English(), e.message);
      const std::string text = ErrorText(e, Language::kEstonian);
      EXPECT_EQ(text.rfind(target + ": faili ei saa ", 0), 0u) << text;
      EXPECT_TRUE(IsEstonian(text, dir.File(""))) << text;
    }
  }
  EXPECT_EQ(testing::ReadFile(read_only), "old");
}

}  // namespace
}  // namespace traxen
