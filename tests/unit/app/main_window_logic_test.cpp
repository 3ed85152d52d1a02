#include "app/main_window_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "tests/support/fake_port_library.h"
#include "tests/support/recording_window_ops.h"
#include "tests/support/text.h"

namespace {

using testing_support::Utf8;

const char* PageName(app::Page page) { return page == app::Page::Status ? "status" : "settings"; }

std::string RectText(ui::Rect r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

class RecordingShell final : public app::MainWindowShell {
 public:
  explicit RecordingShell(std::vector<std::string>& log) : log_(log) {}

  bool hasSystemMenu = true;
  std::u16string aboutString = u"关于 VarneskLaserPrinterStatusMonitor(&A)...";
  ui::Rect tabClient{0, 0, 600, 500};
  bool visible[2] = {false, false};

  bool HasSystemMenu() override {
    log_.push_back("HasSystemMenu");
    return hasSystemMenu;
  }
  std::u16string LoadResourceText(int id) override {
    log_.push_back("LoadResourceText " + std::to_string(id));
    return aboutString;
  }
  void AppendSystemMenuSeparator() override { log_.push_back("AppendSystemMenuSeparator"); }
  void AppendSystemMenuItem(unsigned command, std::u16string_view text) override {
    log_.push_back("AppendSystemMenuItem " + std::to_string(command) + " " + Utf8(text));
  }
  void SetIcons() override { log_.push_back("SetIcons"); }
  void SetTitle(std::u16string_view title) override { log_.push_back("SetTitle " + Utf8(title)); }
  ui::Rect TabClientRect() override {
    log_.push_back("TabClientRect");
    return tabClient;
  }
  void InsertTab(int index, std::u16string_view text) override {
    log_.push_back("InsertTab " + std::to_string(index) + " " + Utf8(text));
  }
  void CreatePage(app::Page page) override { log_.push_back(std::string("CreatePage ") + PageName(page)); }
  void MovePage(app::Page page, ui::Rect rect) override {
    log_.push_back(std::string("MovePage ") + PageName(page) + " " + RectText(rect));
  }
  void ShowPage(app::Page page, bool show) override {
    visible[page == app::Page::Status ? 0 : 1] = show;
    log_.push_back(std::string("ShowPage ") + PageName(page) + " " + (show ? "1" : "0"));
  }
  void SelectTab(int index) override { log_.push_back("SelectTab " + std::to_string(index)); }
  void CloseWithOk() override { log_.push_back("CloseWithOk"); }
  void RunAboutBox() override { log_.push_back("RunAboutBox"); }
  void DefaultSystemCommand(unsigned command, std::intptr_t parameter) override {
    log_.push_back("DefaultSystemCommand " + std::to_string(command) + " " + std::to_string(parameter));
  }

 private:
  std::vector<std::string>& log_;
};

class MainWindowLogicTest : public ::testing::Test {
 protected:
  // One log for the shell, the port library and the start-up reads, so the order across all
  // three can be compared in one go.
  void SetUp() override { printer.log = &log; }

  // Start-up reads that record themselves; ReadEdsBlob answers with blobResult.
  app::StartupReads RecordingReads(int blobResult) {
    app::StartupReads reads;
    reads.readEdsBlob = [this, blobResult] {
      log.push_back("ReadEdsBlob");
      return blobResult;
    };
    reads.readEdsTable = [this] { log.push_back("ReadEdsTable"); };
    reads.readPntParams = [this] { log.push_back("ReadPntParams"); };
    reads.refreshStatus = [this] { log.push_back("RefreshStatus"); };
    reads.buildSettingsRows = [this] { log.push_back("BuildSettingsRows"); };
    return reads;
  }

  // The log from the first port-library call on.
  std::vector<std::string> LogAfterWindowSetUp() const {
    auto first = std::find(log.begin(), log.end(), "SelectTab 0");
    return first == log.end() ? std::vector<std::string>{} : std::vector<std::string>(first + 1, log.end());
  }

  std::vector<std::string> log;
  testing_support::FakePrinter printer;
  testing_support::RecordingWindowOps messages;
  printer_link::PortLibrary port{printer.Loader(), messages};
  RecordingShell shell{log};
};

TEST_F(MainWindowLogicTest, InitMainWindowRunsEveryStepInOrder) {
  EXPECT_TRUE(app::InitMainWindow(shell, port, RecordingReads(1)));

  const std::vector<std::string> expected = {
      "HasSystemMenu",
      "LoadResourceText 101",
      "AppendSystemMenuSeparator",
      "AppendSystemMenuItem 16 关于 VarneskLaserPrinterStatusMonitor(&A)...",
      "SetIcons",
      "SetTitle 澄岳科技股份有限公司 激光打印机状态监视器V1.0.8",
      "TabClientRect",
      "InsertTab 0 激光打印机状态",
      "CreatePage status",
      "MovePage status 4,20,596,496",
      "InsertTab 1 激光打印机参数",
      "CreatePage settings",
      "MovePage settings 4,20,596,496",
      "ShowPage status 1",
      "ShowPage settings 0",
      "SelectTab 0",
      "OpenUSBPort",
      "ReadEdsBlob",
      "ReadEdsTable",
      "ReadPntParams",
      "RefreshStatus",
      "BuildSettingsRows",
  };
  EXPECT_EQ(log, expected);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowLogicTest, AboutItemNeedsSystemMenuAndText) {
  struct Case {
    bool hasSystemMenu;
    std::u16string text;
    bool appended;
  };
  for (const Case& c : {Case{true, u"关于(&A)...", true}, Case{true, u"", false}, Case{false, u"关于(&A)...", false}}) {
    log.clear();
    shell.hasSystemMenu = c.hasSystemMenu;
    shell.aboutString = c.text;
    app::InitMainWindow(shell, port, {});
    const bool appended = std::find(log.begin(), log.end(), "AppendSystemMenuSeparator") != log.end();
    EXPECT_EQ(appended, c.appended) << "system menu " << c.hasSystemMenu << ", text '" << Utf8(c.text) << "'";
    EXPECT_EQ(std::count(log.begin(), log.end(), "SetIcons"), 1);
  }
}

TEST_F(MainWindowLogicTest, MissingLibraryShowsOneMessageThenClosesWithOk) {
  printer.present = false;
  app::InitMainWindow(shell, port, RecordingReads(1));

  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(Utf8(messages.messages[0].text), "找不到VarneskDotPrinterUSBPort21.dll文件!");
  EXPECT_TRUE(messages.messages[0].application);
  EXPECT_EQ(LogAfterWindowSetUp(), std::vector<std::string>{"CloseWithOk"});
}

TEST_F(MainWindowLogicTest, RefusedProbeClosesSilently) {
  printer.openResult = 0;
  app::InitMainWindow(shell, port, RecordingReads(1));

  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(LogAfterWindowSetUp(), (std::vector<std::string>{"OpenUSBPort", "CloseWithOk"}));
}

TEST_F(MainWindowLogicTest, StartupStopsAfterBlobReadThatIsNotOne) {
  // An open result of 2 passes the probe; ReadEdsBlob, which demands exactly 1, then fails.
  printer.openResult = 2;
  for (int blobResult : {0, 2, -1}) {
    log.clear();
    app::InitMainWindow(shell, port, RecordingReads(blobResult));
    EXPECT_EQ(LogAfterWindowSetUp(), (std::vector<std::string>{"OpenUSBPort", "ReadEdsBlob"})) << blobResult;
    EXPECT_TRUE(shell.visible[0]);
    EXPECT_FALSE(shell.visible[1]);
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MainWindowLogicTest, OpenPortWithoutReadsKeepsTheWindow) {
  app::InitMainWindow(shell, port, {});
  EXPECT_EQ(LogAfterWindowSetUp(), std::vector<std::string>{"OpenUSBPort"});
}

TEST_F(MainWindowLogicTest, SelectPageShowsOnlyTheChosenPage) {
  app::SelectPage(shell, 1);
  app::SelectPage(shell, 0);
  const std::vector<std::string> expected = {"ShowPage status 0", "ShowPage settings 1", "ShowPage status 1",
                                             "ShowPage settings 0"};
  EXPECT_EQ(log, expected);
}

TEST_F(MainWindowLogicTest, SystemCommandsGoToAboutOrDefault) {
  struct Case {
    unsigned command;
    const char* expected;
  };
  for (const Case& c : {Case{0x0010, "RunAboutBox"}, Case{0x0013, "RunAboutBox"}, Case{0x001F, "RunAboutBox"},
                        Case{0x0020, "DefaultSystemCommand 32 7"}, Case{0xF060, "DefaultSystemCommand 61536 7"},
                        Case{0xF010, "DefaultSystemCommand 61456 7"}}) {
    log.clear();
    app::OnSystemCommand(shell, c.command, 7);
    EXPECT_EQ(log, std::vector<std::string>{c.expected}) << std::hex << c.command;
  }
}

TEST(MinimisedIconPositionTest, CentresWithRoundingTowardZero) {
  struct Case {
    int clientWidth, clientHeight, iconWidth, iconHeight;
    app::Point expected;
  };
  for (const Case& c : {
           Case{100, 100, 32, 32, {34, 34}},
           Case{101, 100, 32, 32, {35, 34}},  // (101 - 32 + 1) / 2 = 35
           Case{100, 99, 32, 32, {34, 34}},   // (99 - 32 + 1) / 2 = 34
           Case{160, 28, 48, 48, {56, -9}},   // -19 / 2 rounds toward zero
           Case{31, 30, 32, 32, {0, 0}},      // -1 / 2 is 0, not -1
           Case{0, 0, 32, 32, {-15, -15}},
       }) {
    EXPECT_EQ(app::MinimisedIconPosition(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight), c.expected)
        << c.clientWidth << "x" << c.clientHeight << " icon " << c.iconWidth << "x" << c.iconHeight;
  }
}

TEST(MainWindowTitleTest, CompanyOneSpaceProduct) {
  EXPECT_EQ(Utf8(app::MainWindowTitle()), "澄岳科技股份有限公司 激光打印机状态监视器V1.0.8");
}

}  // namespace
