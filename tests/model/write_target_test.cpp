// Where a whole-file write may go, for both writers (reports and traxen-cli's files, and the
// desktop's documents): through a link only to a regular file or to a new file in a folder
// that is there; never onto a folder, a pipe, a device, a read-only file or the file being
// read; temporaries that a killed writer left are removed by the next write of that file.
#include "model/write_target.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "model/atomic_file.h"
#include "model/page_files.h"
#include "model/saved_file.h"
#include "sections/temp_dir.h"
#include "support/test_support.h"

namespace traxen {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;

std::vector<std::string> Temporaries(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir))
    if (IsWriteTemporary(e.path().filename().string())) names.push_back(e.path().filename().string());
  return names;
}

struct Writer {
  const char* name;
  std::function<LoadError(const std::string&, const std::string&)> write;
  const char* verb;  // in the message: "PATH: cannot VERB: REASON"
};

const Writer kWriters[] = {
    {"report", [](const std::string& p, const std::string& b) { return WriteFileAtomically(p, b); }, "write"},
    {"document", [](const std::string& p, const std::string& b) { return SaveFileContent(p, b); }, "save"},
};

TEST(WriteTarget, LinksFoldersPipesDevicesAndReadOnlyFilesFollowOneRule) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.name);
    TempDir dir;
    const std::string old = dir.Write("old.txt", "old");
    fs::permissions(old, fs::perms(0640));
    const std::string linked = dir.Write("linked.txt", "linked");
    const std::string read_only = dir.Write("read-only.txt", "kept");
    fs::permissions(read_only, fs::perms(0444));  // read-only even for root
    fs::create_directory(dir.File("folder"));
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", dir.File("device-link"));
    fs::create_symlink("linked.txt", dir.File("file-link"));       // relative to the link's folder
    fs::create_symlink("not-yet.txt", dir.File("new-file-link"));  // a file not yet there
    fs::create_symlink(dir.File("no/such/folder/x.txt"), dir.File("no-folder-link"));
    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    fs::create_symlink("folder", dir.File("folder-link"));
    fs::create_symlink("read-only.txt", dir.File("read-only-link"));

    struct Case {
      const char* name;
      const char* refused;   // the reason, or nullptr when the write goes through
      const char* written;   // the file that holds the new bytes afterwards
    };
    const Case cases[] = {
        {"new.txt", nullptr, "new.txt"},
        {"old.txt", nullptr, "old.txt"},
        {"file-link", nullptr, "linked.txt"},
        {"new-file-link", nullptr, "not-yet.txt"},
        {"folder", "it is a folder", nullptr},
        {"fifo", "it is not a regular file (a pipe, a device or a socket); it is not replaced", nullptr},
        {"device-link", "it is a link to /dev/null, which is not a regular file", nullptr},
        {"no-folder-link", "whose folder does not exist", nullptr},
        {"loop-a", "it is a link that leads to no file (a loop of links)", nullptr},
        {"folder-link", "it is a link to the folder", nullptr},
        {"read-only.txt", "the file is read-only", nullptr},
        {"read-only-link", "the file is read-only", nullptr},
    };
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      const std::string path = dir.File(c.name);
      const bool was_link = fs::is_symlink(fs::symlink_status(path));
      const LoadError e = writer.write(path, "new bytes");
      if (c.refused) {
        ASSERT_TRUE(e);
        EXPECT_EQ(e.message.rfind(path + ": cannot " + writer.verb + ": ", 0), 0u) << e.message;
        EXPECT_NE(e.message.find(c.refused), std::string::npos) << e.message;
      } else {
        ASSERT_FALSE(e) << e.message;
        EXPECT_EQ(ReadFile(dir.File(c.written)), "new bytes");
      }
      EXPECT_EQ(fs::is_symlink(fs::symlink_status(path)), was_link);  // a link stays a link
    }
    EXPECT_EQ(fs::status(old).permissions(), fs::perms(0640));  // the mode is kept
    EXPECT_EQ(fs::status(dir.File("fifo")).type(), fs::file_type::fifo);
    EXPECT_EQ(ReadFile(read_only), "kept");
    EXPECT_FALSE(fs::exists(dir.File("no")));
    EXPECT_TRUE(Temporaries(dir.path()).empty());
  }
}

TEST(WriteTarget, TheFileBeingReadIsNamedWhateverLeadsToIt) {
  TempDir dir;
  const std::string job = dir.Write("job.json", "{}");
  fs::create_symlink("job.json", dir.File("link.txt"));
  fs::create_hard_link(job, dir.File("hard.txt"));
  dir.Write("other.txt", "x");
  struct Case {
    const char* out;
    bool over_input;
  };
  for (const Case c : {Case{"job.json", true}, Case{"link.txt", true}, Case{"hard.txt", true},
                       Case{"other.txt", false}, Case{"absent.txt", false}}) {
    const std::string why = WritingOverInput(dir.File(c.out), job);
    EXPECT_EQ(why.empty(), !c.over_input) << c.out;
    if (c.over_input) {
      EXPECT_EQ(why, "it is the job file being read (" + job + ")") << c.out;
    }
  }
}

// A PID that ran and is gone: a child that has exited and been waited for.
long GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

void Age(const std::string& file, int seconds) {
  const fs::file_time_type when = fs::file_time_type::clock::now() - std::chrono::seconds(seconds);
  fs::last_write_time(file, when);
}

TEST(WriteTarget, AKilledWritersTemporariesGoWithTheNextWriteOfTheSameFile) {
  TempDir dir;
  const long gone = GonePid(), running = ::getpid();
  struct Case {
    std::string name;
    int age;      // seconds since it last changed
    bool removed;
  };
  const Case cases[] = {
      {".job.trx.traxen-tmp." + std::to_string(gone) + ".Ab12Cd", 120, true},
      {".job.trx.traxen-tmp." + std::to_string(gone) + ".Ef34Gh", 10, false},       // may still be written
      {".job.trx.traxen-tmp." + std::to_string(running) + ".Ij56Kl", 120, false},   // its writer runs
      {".other.trx.traxen-tmp." + std::to_string(gone) + ".Mn78Op", 120, false},    // another file's
      {".job.trx.traxen-tmp.12x.Qr90St", 120, false},                                // not one of ours
      {".job.trx.Uv12Wx", 120, false},                                               // an older writer's name
  };
  for (const Case& c : cases) Age(dir.Write(c.name, "half a file"), c.age);
  for (const Writer& writer : kWriters) ASSERT_FALSE(writer.write(dir.File("job.trx"), "new")) << writer.name;
  for (const Case& c : cases) EXPECT_EQ(fs::exists(dir.File(c.name)), !c.removed) << c.name;
  EXPECT_EQ(ReadFile(dir.File("job.trx")), "new");
}

TEST(WriteTarget, APageSetRemovesThePageTemporariesOfAnyKilledRender) {
  TempDir dir;
  const std::string gone = std::to_string(GonePid());
  for (const char* page : {"out-2.png", "out-7.png", "out.png"})
    Age(dir.Write(std::string(".") + page + ".traxen-tmp." + gone + ".Ab12Cd", "half a page"), 120);
  Age(dir.Write(".outer-7.png.traxen-tmp." + gone + ".Ab12Cd", "another set's"), 120);
  std::vector<LeftoverPage> leftovers;
  ASSERT_FALSE(WritePageFiles(dir.File("out.png"), {"page 1", "page 2"}, leftovers));
  EXPECT_EQ(Temporaries(dir.path()), std::vector<std::string>{".outer-7.png.traxen-tmp." + gone + ".Ab12Cd"});
  EXPECT_EQ(ReadFile(dir.File("out-2.png")), "page 2");
}

// The earlier pages stay untouched while the new ones cannot all be written; afterwards the
// names hold the new pages only.
TEST(WriteTarget, APageSetIsWrittenWholeOrNotAtAll) {
  TempDir dir;
  for (const char* page : {"out-1.png", "out-2.png", "out-4.png"}) dir.Write(page, "earlier");
  fs::create_directory(dir.File("out-3.png"));
  std::vector<LeftoverPage> leftovers;
  const LoadError e = WritePageFiles(dir.File("out.png"), {"1", "2", "3"}, leftovers);
  EXPECT_EQ(e.message, dir.File("out-3.png") + ": cannot write: it is a folder");
  for (const char* page : {"out-1.png", "out-2.png", "out-4.png"}) EXPECT_EQ(ReadFile(dir.File(page)), "earlier");
  EXPECT_TRUE(Temporaries(dir.path()).empty());

  fs::remove(dir.File("out-3.png"));
  ASSERT_FALSE(WritePageFiles(dir.File("out.png"), {"1", "2"}, leftovers));
  EXPECT_EQ(ReadFile(dir.File("out-1.png")), "1");
  EXPECT_EQ(ReadFile(dir.File("out-2.png")), "2");
  EXPECT_EQ(ReadFile(dir.File("out-4.png")), "earlier");  // beyond the gap: not of the same set
  ASSERT_FALSE(WritePageFiles(dir.File("out.png"), {"one"}, leftovers));
  ASSERT_EQ(leftovers.size(), 2u);
  EXPECT_EQ(leftovers[0].path, dir.File("out-1.png"));
  EXPECT_TRUE(leftovers[1].removed);
  EXPECT_EQ(ReadFile(dir.File("out.png")), "one");
}

// A folder on a file system of its own, mounted for the test and filled to the last block.
class FullFileSystem {
 public:
  explicit FullFileSystem(const std::string& dir) : dir_(dir) {
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") != 0) {
      reason_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
      return;
    }
    mounted_ = true;
  }
  ~FullFileSystem() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
  }
  bool mounted() const { return mounted_; }
  const std::string& reason() const { return reason_; }
  // Writes a filler until nothing more fits.
  void Fill() const {
    std::ofstream filler(dir_ + "/filler", std::ios::binary);
    const std::string block(1024, 'x');
    for (int i = 0; i < 1024 && filler.write(block.data(), block.size()) && filler.flush(); ++i) {
    }
  }

 private:
  std::string dir_, reason_;
  bool mounted_ = false;
};

TEST(WriteTarget, AFullDiskLeavesTheOldFilesAndNoTemporary) {
  TempDir dir;
  const std::string disk = dir.File("disk");
  fs::create_directory(disk);
  FullFileSystem full(disk);
  if (!full.mounted()) GTEST_SKIP() << full.reason();
  const std::string report = disk + "/report.pdf", page1 = disk + "/pages-1.png", page2 = disk + "/pages-2.png";
  for (const std::string& file : {report, page1, page2}) std::ofstream(file) << "the signed one";
  full.Fill();
  const std::string big(16 * 1024, 'n');
  std::vector<LeftoverPage> leftovers;
  const LoadError errors[] = {WriteFileAtomically(report, big), SaveFileContent(report, big),
                              WritePageFiles(disk + "/pages.png", {big, big}, leftovers)};
  for (const LoadError& e : errors) EXPECT_NE(e.message.find("No space left on device"), std::string::npos) << e.message;
  for (const std::string& file : {report, page1, page2}) EXPECT_EQ(ReadFile(file), "the signed one") << file;
  EXPECT_TRUE(Temporaries(disk).empty());
}

// Run as root: a replaced file keeps its owner; a user who cannot keep it (another user's file
// in a folder open to all) gets a refusal from the report writer and the file stays.
TEST(WriteTarget, AReplacedFileKeepsItsOwnerOrIsNotReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another user";
  TempDir dir;
  fs::permissions(dir.path(), fs::perms(0711));
  const std::string shared = dir.File("shared");
  fs::create_directory(shared);
  fs::permissions(shared, fs::perms(0777));
  const uid_t nobody = 65534;
  const std::string file = shared + "/report.txt";
  std::ofstream(file) << "theirs";
  ASSERT_EQ(::chown(file.c_str(), nobody, nobody), 0);

  ASSERT_FALSE(WriteFileAtomically(file, "root's"));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, nobody);  // root keeps it the owner's

  ASSERT_EQ(::chown(file.c_str(), 0, 0), 0);
  fs::permissions(file, fs::perms(0666));  // writable by all, so only its owner is in the way
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_fds[0]);
    if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) ::_exit(3);
    const LoadError report = WriteFileAtomically(file, "nobody's");
    const LoadError document = SaveFileContent(shared + "/document.trx", "nobody's");  // a new file: no owner to keep
    const std::string message = report.message + "\n" + (document ? document.message : "saved");
    (void)!::write(pipe_fds[1], message.data(), message.size());
    ::_exit(0);
  }
  ::close(pipe_fds[1]);
  std::string message;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) message.append(buffer, static_cast<size_t>(n));
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(message, file + ": cannot write: it belongs to another user (uid 0), and a replacement would take it over\n"
                                "saved");
  EXPECT_EQ(ReadFile(file), "root's");
  EXPECT_TRUE(Temporaries(shared).empty());
}

}  // namespace
}  // namespace traxen
