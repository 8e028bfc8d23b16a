#include "base/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/test_util.h"

namespace aadx {
namespace {

namespace fs = std::filesystem;

// The code of writing content to path; a failure's message starts with the
// name it was given.
Status::Code Write(const std::string& path, const std::string& content) {
  Status status = WriteFileWhole(path, content);
  if (!status.ok()) {
    EXPECT_EQ(0u, status.message().find(path + ": ")) << status.message();
  }
  return status.code();
}

class WholeFileTest : public testing::Test {
 protected:
  // The names in the test's folder: a failed or finished write leaves no
  // file of its own behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp_.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  ScopedTempDir temp_{ScopedTempDir::kEmpty};
};

TEST_F(WholeFileTest, CreatesOrReplacesWithExactlyTheNewBytes) {
  const std::string longer(5000, 'x');
  const struct {
    const char* name;
    std::string before;  // empty: no file before
    std::string content;
  } cases[] = {
      {"new.txt", "", "a\r\nb\r\n"},
      {"shorter.txt", longer, "short\r\n"},
      {"longer.txt", "short", longer},
      {"emptied.txt", "old", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.before.empty()) WriteFileBytes(c.name, c.before);
    EXPECT_EQ(Status::Code::kOk, Write(c.name, c.content));
    EXPECT_EQ(c.content, ReadFileBytes(c.name));
  }
  EXPECT_EQ(4u, Names().size());
}

TEST_F(WholeFileTest, NoPlaceForTheFileIsNotCreatedAndLeavesNothing) {
  fs::create_directory("folder.cbr");
  EXPECT_EQ(Status::Code::kNotCreated, Write("folder.cbr", "x"));
  EXPECT_TRUE(fs::is_directory("folder.cbr"));
  EXPECT_EQ(Status::Code::kNotCreated, Write("missing/file.txt", "x"));
  EXPECT_EQ(std::vector<std::string>{"folder.cbr"}, Names());
}

#ifndef _WIN32
TEST_F(WholeFileTest, AWriteCutShortLeavesTheEarlierFileAsItWas) {
  WriteFileBytes("log.cbr", "earlier\r\n");
  {
    ScopedFileSizeLimit fullDisk(100);
    EXPECT_EQ(Status::Code::kNotWritten,
              Write("log.cbr", std::string(1000, 'x')));
  }
  EXPECT_EQ("earlier\r\n", ReadFileBytes("log.cbr"));
  EXPECT_EQ(std::vector<std::string>{"log.cbr"}, Names());
}

TEST_F(WholeFileTest, ALinkedFileStaysLinkedAndKeepsItsPermissions) {
  fs::create_directory("real");
  WriteFileBytes("real/AADX.ini", "old");
  fs::permissions("real/AADX.ini", fs::perms::owner_read |
                                       fs::perms::owner_write |
                                       fs::perms::group_read);
  fs::create_symlink("real/AADX.ini", "AADX.ini");
  EXPECT_EQ(Status::Code::kOk, Write("AADX.ini", "new"));
  EXPECT_TRUE(fs::is_symlink("AADX.ini"));
  EXPECT_EQ("new", ReadFileBytes("real/AADX.ini"));
  EXPECT_EQ(
      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
      fs::status("real/AADX.ini").permissions());
}
#endif

}  // namespace
}  // namespace aadx
