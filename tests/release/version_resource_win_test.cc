// Stats.dll's version resource says the version in the file VERSION, the
// same number the package is named after.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "aadx_version.h"

namespace aadx {
namespace {

TEST(VersionResource, NamesTheVersionOfTheVersionFile) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA("Stats.dll", &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA("Stats.dll", 0, size, data.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\",
                             reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS,
            static_cast<DWORD>(AADX_VERSION_MAJOR << 16 | AADX_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileVersionLS,
            static_cast<DWORD>(AADX_VERSION_PATCH << 16));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  struct {
    const char* key;
    const char* expected;
  } texts[] = {
      {"FileVersion", AADX_FILE_VERSION_TEXT},
      {"ProductVersion", AADX_VERSION_TEXT},
      {"OriginalFilename", "Stats.dll"},
  };
  for (const auto& t : texts) {
    char* value = nullptr;
    std::string path = std::string("\\StringFileInfo\\040904b0\\") + t.key;
    ASSERT_TRUE(VerQueryValueA(data.data(), path.c_str(),
                               reinterpret_cast<void**>(&value), &length))
        << t.key;
    EXPECT_STREQ(value, t.expected) << t.key;
  }
}

}  // namespace
}  // namespace aadx
