// Start-ups that end before the main window is ever shown.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/harness/expect_locale.h"
#include "tests/e2e/harness/paths.h"
#include "tests/e2e/harness/program_run.h"

namespace {

using e2e::MessageBoxInfo;

const wchar_t kMissingLibraryText[] = L"找不到VarneskDotPrinterUSBPort21.dll文件!";
const wchar_t kProgramName[] = L"VarneskLaserPrinterStatusMonitor";

struct EarlyEnd {
  const char* name;
  const wchar_t* libraryVariant;  // nullptr: no library beside the program
  const char* scenario;
  bool missingLibraryMessage;
  std::vector<std::string> trace;
};

// Keeps the byte dump of each case out of the test names.
void PrintTo(const EarlyEnd& c, std::ostream* out) { *out << c.name; }

class EarlyEndTest : public testing::TestWithParam<EarlyEnd> {
 protected:
  void SetUp() override { ASSERT_CHINESE_CODE_PAGE(); }
};

TEST_P(EarlyEndTest, EndsWithoutShowingTheMainWindow) {
  const EarlyEnd& c = GetParam();
  e2e::ProgramRun run({c.libraryVariant ? e2e::SimulatorDir(c.libraryVariant) : L"", c.scenario});
  ASSERT_TRUE(run.Start());

  const e2e::Observation& seen = run.RunToExit();

  ASSERT_TRUE(seen.exited) << "the program is still running";
  EXPECT_LT(seen.exitCode, 0xC0000000u) << "the program crashed";
  EXPECT_FALSE(seen.mainWindowShown);
  if (c.missingLibraryMessage) {
    ASSERT_EQ(seen.boxes.size(), 1u);
    const MessageBoxInfo& box = seen.boxes.front();
    EXPECT_EQ(box.text, kMissingLibraryText);
    EXPECT_EQ(box.caption, kProgramName);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(box.hasIcon);
  } else {
    EXPECT_TRUE(seen.boxes.empty()) << "first box: " << e2e::Narrow(seen.boxes.front().text);
  }
  EXPECT_EQ(run.TraceLines(), c.trace);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, EarlyEndTest,
    testing::Values(
        EarlyEnd{"NoPortLibrary", nullptr, "", true, {}},
        // The probe needs only OpenUSBPort, but a library without the other entry points is
        // no usable library at all.
        EarlyEnd{"LibraryLacksAnEntryPoint", L"without-UsbPrinterGetCmd", "", true, {}},
        EarlyEnd{"PortRefused", L"", "open = 0\n", false, {"OpenUSBPort -> 0"}}),
    [](const testing::TestParamInfo<EarlyEnd>& info) { return std::string(info.param.name); });

}  // namespace
