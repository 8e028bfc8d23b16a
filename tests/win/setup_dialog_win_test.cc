// SetupSet0 with the real setup dialog, driven as an operator would from a
// helper thread: what the dialog shows, what OK, Esc and the close button
// write, and which mode the next summary names.
#include <gtest/gtest.h>
#include <windows.h>

#include <iostream>
#include <thread>

#include "tests/exports/plugin_fixture.h"
#include "tests/win/window_test_util_win.h"

namespace aadx {
namespace {

const char kTitle[] = "Setup All Asian Contest";
const int kModeEdit = 1000;
const int kWindowCheckBox = 1014;
constexpr std::chrono::seconds kPatience(10);

enum class Ending { kOk, kEscape, kCloseButton };

// What the operator does once the dialog is up, and what was seen.
struct Operator {
  bool clickCheckBox = false;
  bool retype = false;
  std::string typed;  // typed over the edit's text when retype is set
  Ending ending = Ending::kOk;
  std::string screenshotName;  // kept as an artifact when not empty

  std::string failure;  // empty when every step worked
  std::string shownMode;
  LRESULT shownCheck = -1;
  bool clientSizeMatchesTemplate = false;
  std::string screenshotPath;
  Screenshot screenshot;

  void Act() {
    HWND dialog = WaitForWindow(kTitle, kPatience);
    if (dialog == nullptr) {
      failure = "the setup dialog did not appear";
      return;
    }
    HWND edit = GetDlgItem(dialog, kModeEdit);
    HWND checkBox = GetDlgItem(dialog, kWindowCheckBox);
    HWND ok = GetDlgItem(dialog, IDOK);
    if (edit == nullptr || checkBox == nullptr || ok == nullptr) {
      failure = "a control is missing";
      PostMessageA(dialog, WM_CLOSE, 0, 0);
      return;
    }
    shownMode = WindowText(edit);
    shownCheck = SendMessageA(checkBox, BM_GETCHECK, 0, 0);
    RECT units = {0, 0, 186, 46};
    RECT client = {};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    clientSizeMatchesTemplate =
        units.right == client.right && units.bottom == client.bottom;

    if (clickCheckBox) {
      PostMessageA(checkBox, BM_CLICK, 0, 0);
      if (!Eventually(
              [&] {
                return SendMessageA(checkBox, BM_GETCHECK, 0, 0) != shownCheck;
              },
              kPatience)) {
        failure = "the check box did not change";
      }
    }
    if (retype) {
      // Select everything, then type over it key by key.
      PostMessageA(edit, EM_SETSEL, 0, -1);
      for (char c : typed) {
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
      }
      if (!WaitForText(edit, typed, kPatience)) {
        failure = "the edit did not take the typed text";
      }
    }
    if (!screenshotName.empty()) {
      screenshot = KeepScreenshot(dialog, screenshotName, &screenshotPath);
    }

    switch (ending) {
      case Ending::kOk:
        PostMessageA(ok, BM_CLICK, 0, 0);
        break;
      case Ending::kEscape:
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(edit, WM_KEYUP, VK_ESCAPE, 0xc0010001);
        break;
      case Ending::kCloseButton:
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    if (!WaitUntilGone(dialog, kPatience)) {
      failure = "the dialog did not close";
      PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
  }
};

class SetupDialogTest : public PluginTest {
 protected:
  // SetupSet0 on the test's thread, the operator on a helper thread; the
  // test program ends with a message if the dialog holds the test's thread
  // for a minute.
  void RunSetup(Operator* op) {
    Watchdog watchdog("SetupSet0 and its dialog", std::chrono::seconds(60));
    std::thread helper([op] { op->Act(); });
    plugin().SetupSet0();
    helper.join();
    EXPECT_EQ(op->failure, "");
  }

  // A run in the given mode; "Start" = 1 keeps the reset from opening the
  // Multiplier window.
  void ResetWithMode(const std::string& mode) {
    WriteFileBytes(
        SettingsFilePath(),
        "[Settings]\r\nStart=1\r\nTalq_Good=1\r\nMode=" + mode + "\r\n");
    Reset();
  }

  bool SummaryNames(const std::string& contest) {
    return Result().find(contest + " ") != std::string::npos;
  }
};

TEST_F(SetupDialogTest, OpensWithCwAndTheStoredWindowFlag) {
  ResetWithMode("SSB");
  WriteSetting("Master", "1");
  std::string before = ReadFileBytes(SettingsFilePath());

  Operator op;
  op.ending = Ending::kEscape;
  op.screenshotName = "setup_dialog.bmp";
  RunSetup(&op);

  EXPECT_EQ(op.shownMode, "CW");
  EXPECT_EQ(op.shownCheck, BST_CHECKED);
  EXPECT_TRUE(op.clientSizeMatchesTemplate);
  EXPECT_EQ(ReadFileBytes(SettingsFilePath()), before);

  // The picture shows the drawn dialog, not an empty area.
  ASSERT_FALSE(op.screenshotPath.empty());
  EXPECT_GT(op.screenshot.ColourCount(), 2u);
  std::cout << "setup dialog screenshot: " << UnixPath(op.screenshotPath)
            << "\n";
  RecordProperty("screenshot", UnixPath(op.screenshotPath));
}

TEST_F(SetupDialogTest, OkWithLowerCaseCwWritesItAndSelectsSsb) {
  ResetWithMode("CW");
  ASSERT_TRUE(SummaryNames("AADX-CW"));

  Operator op;
  op.retype = true;
  op.typed = "cw";
  RunSetup(&op);

  EXPECT_EQ(op.shownMode, "CW");
  EXPECT_EQ(ReadSetting("Mode"), "cw");
  EXPECT_EQ(ReadSetting("Master"), "0");
  EXPECT_TRUE(SummaryNames("AADX-SSB"));
}

TEST_F(SetupDialogTest, EscWritesNothingAndSelectsCw) {
  ResetWithMode("SSB");
  ASSERT_TRUE(SummaryNames("AADX-SSB"));
  std::string before = ReadFileBytes(SettingsFilePath());

  Operator op;
  op.retype = true;
  op.typed = "SSB";
  op.ending = Ending::kEscape;
  RunSetup(&op);

  EXPECT_EQ(ReadFileBytes(SettingsFilePath()), before);
  EXPECT_EQ(ReadSetting("Mode"), "SSB");
  EXPECT_TRUE(SummaryNames("AADX-CW"));
}

TEST_F(SetupDialogTest, TheCloseButtonCancelsLikeEsc) {
  ResetWithMode("SSB");
  std::string before = ReadFileBytes(SettingsFilePath());

  Operator op;
  op.clickCheckBox = true;
  op.ending = Ending::kCloseButton;
  RunSetup(&op);

  EXPECT_EQ(ReadFileBytes(SettingsFilePath()), before);
  EXPECT_TRUE(SummaryNames("AADX-CW"));
}

TEST_F(SetupDialogTest, TickingTheBoxWritesMasterOne) {
  ResetWithMode("SSB");
  ASSERT_EQ(ReadSetting("Master", "(absent)"), "(absent)");

  Operator op;
  op.clickCheckBox = true;
  RunSetup(&op);

  EXPECT_EQ(op.shownCheck, BST_UNCHECKED);
  EXPECT_EQ(ReadSetting("Master"), "1");
  EXPECT_EQ(ReadSetting("Mode"), "CW");
  EXPECT_TRUE(SummaryNames("AADX-CW"));
}

TEST_F(SetupDialogTest, ClearingTheBoxWritesMasterZero) {
  ResetWithMode("CW");
  WriteSetting("Master", "1");

  Operator op;
  op.clickCheckBox = true;
  op.retype = true;
  op.typed = "SSB";
  RunSetup(&op);

  EXPECT_EQ(op.shownCheck, BST_CHECKED);
  EXPECT_EQ(ReadSetting("Master"), "0");
  EXPECT_EQ(ReadSetting("Mode"), "SSB");
  EXPECT_TRUE(SummaryNames("AADX-SSB"));
}

}  // namespace
}  // namespace aadx
