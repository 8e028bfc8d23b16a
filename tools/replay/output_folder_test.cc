#include "tools/replay/output_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/test_util.h"

namespace aadx {
namespace replay {
namespace {

namespace fs = std::filesystem;

class OutputFolderTest : public ::testing::Test {
 protected:
  ScopedTempDir temp_{ScopedTempDir::kEmpty};
  const fs::path root_ = temp_.path();
};

TEST_F(OutputFolderTest, FreshFolderSkipsExistingOnes) {
  std::string parent = root_.string();
  EXPECT_EQ((root_ / "log").string(), FreshFolder(parent, "log"));
  fs::create_directories(root_ / "log");
  EXPECT_EQ((root_ / "log-2").string(), FreshFolder(parent, "log"));
  fs::create_directories(root_ / "log-2");
  EXPECT_EQ((root_ / "log-3").string(), FreshFolder(parent, "log"));
}

TEST_F(OutputFolderTest, PrepareCreatesThePluginsFolder) {
  std::string absolute, error;
  fs::path dir = root_ / "a" / "b";
  ASSERT_TRUE(PrepareOutputFolder(dir.string(), &absolute, &error)) << error;
  EXPECT_TRUE(fs::is_directory(dir / "Plugins"));
  EXPECT_TRUE(fs::equivalent(dir, absolute));
  // An existing folder is fine too.
  EXPECT_TRUE(PrepareOutputFolder(dir.string(), &absolute, &error)) << error;

  WriteFileBytes(root_ / "file", "x");
  EXPECT_FALSE(
      PrepareOutputFolder((root_ / "file").string(), &absolute, &error));
  EXPECT_NE(std::string::npos, error.find("cannot create"));
}

TEST_F(OutputFolderTest, CurrentDirectoryIsRestored) {
  fs::path before = fs::current_path();
  {
    ScopedCurrentDirectory in(root_.string());
    ASSERT_TRUE(in.ok()) << in.error();
    EXPECT_TRUE(fs::equivalent(root_, fs::current_path()));
  }
  EXPECT_EQ(before, fs::current_path());

  ScopedCurrentDirectory nowhere((root_ / "missing").string());
  EXPECT_FALSE(nowhere.ok());
  EXPECT_EQ(before, fs::current_path());
}

}  // namespace
}  // namespace replay
}  // namespace aadx
