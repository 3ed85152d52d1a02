// The main window with a printer whose port opens with neither 0 nor 1: the probe counts it
// as open, every later read is refused, so both pages keep their template state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resource_ids.h"
#include "tests/e2e/harness/expect_locale.h"
#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/program_run.h"
#include "tests/e2e/harness/windows.h"

namespace {

const wchar_t kTitle[] = L"澄岳科技股份有限公司 激光打印机状态监视器V1.0.8";
const wchar_t kAboutTitle[] = L"关于 VarneskLaserPrinterStatusMonitor";
const wchar_t kAboutItem[] = L"关于 VarneskLaserPrinterStatusMonitor(&A)...";

// Waits, bounded, until the condition holds; windows change asynchronously to our messages.
template <typename Condition>
bool Eventually(Condition condition) {
  const ULONGLONG end = GetTickCount64() + e2e::kWaitMs;
  while (!condition()) {
    if (GetTickCount64() >= end) return false;
    Sleep(10);
  }
  return true;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_CHINESE_CODE_PAGE();
    ASSERT_TRUE(run_.Start());
    window_ = run_.WaitForMainWindow();
    ASSERT_NE(window_, nullptr) << "the main window never became visible";
    ASSERT_TRUE(run_.Seen().boxes.empty()) << "unexpected box: " << e2e::Narrow(run_.Seen().boxes.front().text);
  }

  void TearDown() override {
    if (!window_) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(run_.WaitForExit()) << "the program did not end after its window was closed";
    EXPECT_LT(run_.Seen().exitCode, 0xC0000000u) << "the program crashed";
  }

  e2e::ProgramRun run_{{e2e::SimulatorDir(), "open = 2\n"}};
  HWND window_ = nullptr;
};

TEST_F(MainWindowTest, OpensWithTitleTabsAndTemplatePages) {
  EXPECT_EQ(e2e::WindowText(window_), kTitle);
  EXPECT_EQ(e2e::TabTexts(window_), (std::vector<std::wstring>{L"激光打印机状态", L"激光打印机参数"}));
  EXPECT_EQ(e2e::SelectedTab(window_), 0);

  HWND status = e2e::StatusPage(window_);
  HWND settings = e2e::SettingsPage(window_);
  ASSERT_NE(status, nullptr);
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(IsWindowVisible(status));
  EXPECT_FALSE(IsWindowVisible(settings));
  EXPECT_EQ(GetWindow(settings, GW_CHILD), nullptr) << "the settings page has rows";

  const struct {
    int id;
    const wchar_t* text;
  } statusTexts[] = {
      {IDC_STATUS_FRAME, L"Static"},     {IDC_TONER_FRAME, L"toner"},        {IDC_ADDRESS_FRAME, L"Address"},
      {IDC_REFRESH_STATUS, L"更新状态"}, {IDC_CANCEL_PRINT, L"取消打印"}, {IDC_RESTART_PRINTER, L"重启打印机"},
  };
  for (const auto& expected : statusTexts) {
    EXPECT_EQ(e2e::ControlText(status, expected.id), expected.text) << "control " << expected.id;
  }
  for (const auto& [id, text] : {std::pair{IDC_SAVE, L"保存"}, std::pair{IDC_RESTORE_DEFAULTS, L"恢复默认值"}}) {
    EXPECT_EQ(e2e::ControlText(window_, id), text) << "control " << id;
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, id))) << "control " << id;
  }

  const std::vector<std::string> trace = run_.TraceLines();
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace.front(), "OpenUSBPort -> 2");
}

TEST_F(MainWindowTest, EachTabShowsExactlyItsOwnPage) {
  HWND status = e2e::StatusPage(window_);
  HWND settings = e2e::SettingsPage(window_);
  ASSERT_TRUE(status && settings);

  for (const int tab : {1, 0, 1, 0}) {
    ASSERT_TRUE(e2e::ClickTab(window_, tab));
    HWND shown = tab == 0 ? status : settings;
    HWND hidden = tab == 0 ? settings : status;
    EXPECT_TRUE(Eventually([&] { return IsWindowVisible(shown) && !IsWindowVisible(hidden); }))
        << "after clicking tab " << tab << ": status " << IsWindowVisible(status) << ", settings "
        << IsWindowVisible(settings);
    EXPECT_EQ(e2e::SelectedTab(window_), tab);
  }
}

TEST_F(MainWindowTest, SystemMenuOpensAboutBox) {
  // As a user would: open the system menu and click its last item. Wine keeps menus inside
  // their process, so the items themselves cannot be read from here.
  SetForegroundWindow(window_);
  PostMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, L' ');
  HWND menu = nullptr;
  ASSERT_TRUE(Eventually([&] { return (menu = e2e::VisibleMenu(run_.ProcessId())) != nullptr; }))
      << "the system menu did not open";
  RECT box{};
  GetWindowRect(menu, &box);
  e2e::ClickAt({(box.left + box.right) / 2, box.bottom - 8});
  HWND about = run_.WaitForDialog(kAboutTitle);
  ASSERT_NE(about, nullptr) << "no About box";
  EXPECT_EQ(GetWindow(about, GW_OWNER), window_);
  EXPECT_EQ(e2e::ControlText(about, IDOK), L"确定");

  e2e::PressButton(about, IDOK);
  EXPECT_TRUE(Eventually([&] { return !IsWindow(about); })) << "OK did not close the About box";
  EXPECT_TRUE(IsWindowVisible(window_));
}

}  // namespace
