// The simulator library itself, loaded the way the program loads the port library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "link/port_library.h"
#include "tests/support/recording_window_ops.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;
using printer_link::PortState;

class simLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* libraries = std::getenv("PRINTER_SIMULATOR_DIR");
    ASSERT_NE(libraries, nullptr);
    simulatorFolder = libraries;
    folder = fs::temp_directory_path() /
             ("sim_library_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  // The simulator reads its variables afresh at the start of every operation.
  void UseScenario(const std::string& text) {
    std::ofstream(folder / "scenario.txt") << text;
    setenv("PRINTER_SIM_SCENARIO", (folder / "scenario.txt").c_str(), 1);
    setenv("PRINTER_SIM_TRACE", (folder / "trace.txt").c_str(), 1);
    setenv("PRINTER_SIM_STATE", (folder / "state.txt").c_str(), 1);
  }

  printer_link::PortLibrary Port(const std::string& subfolder = "") {
    loader = platform::MakeFolderLibraryLoader((fs::path(simulatorFolder) / subfolder).string());
    return printer_link::PortLibrary(*loader, window);
  }

  std::string Trace() const { return testing_support::ReadWholeFile(folder / "trace.txt"); }

  std::string simulatorFolder;
  fs::path folder;
  std::unique_ptr<platform::LibraryLoader> loader;
  testing_support::RecordingWindowOps window;
};

TEST_F(simLibrary, RefusedOpenSendsNothing) {
  UseScenario("open = 0\n");
  auto port = Port();
  EXPECT_EQ(port.Query(printer_link::QUERY_EDS_BLOB).state, PortState::Refused);
  EXPECT_EQ(port.Probe(), 0);
  EXPECT_EQ(Trace(), "OpenUSBPort -> 0\nOpenUSBPort -> 0\n");
  EXPECT_TRUE(window.messages.empty());
}

TEST_F(simLibrary, OpenResultTwoCountsForTheProbeButNotForRequests) {
  UseScenario("open = 2   # the port answers oddly\n");
  auto port = Port();
  EXPECT_EQ(port.Probe(), 2);
  EXPECT_EQ(port.Control(printer_link::CTRL_PRINTER_ACTION(1)), PortState::Refused);
  EXPECT_EQ(Trace(), "OpenUSBPort -> 2\nOpenUSBPort -> 2\n");
}

TEST_F(simLibrary, OverLongReportedLengthIsKeptWhileBytesStopAtTheCapacity) {
  UseScenario("length 17 00 04 = 600\nstatus.word 19 = 0x11223344\n");
  auto port = Port();
  const printer_link::QueryOutcome outcome = port.Query(printer_link::QUERY_STATUS_WORDS);
  ASSERT_EQ(outcome.state, PortState::Open);
  EXPECT_EQ(outcome.reply.reportedLength, 600U);
  ASSERT_EQ(outcome.reply.bytes.size(), 80U);
  EXPECT_EQ(std::vector<std::uint8_t>(outcome.reply.bytes.end() - 4, outcome.reply.bytes.end()),
            (std::vector<std::uint8_t>{0x44, 0x33, 0x22, 0x11}));
  EXPECT_EQ(Trace(), "OpenUSBPort -> 1\nUsbPrinterGetCmd 17 00 04 capacity=80 length=600 -> 1\n");
}

TEST_F(simLibrary, SavedParametersAreWhatTheNextStartReadsUntilRestored) {
  UseScenario(
      "params.clear = 1\n"
      "param 0 = 浓度 | 1 | 7 | 4 | -1\n"
      "param 1 = 模式 | 0 | 1 | 0 | 1 | 关闭 / 开启\n");
  auto port = Port();
  const std::vector<std::uint8_t> block = printer_link::ParameterBlock(std::vector<std::int32_t>{5, 0});
  EXPECT_EQ(port.ControlThenWrite(printer_link::CTRL_SAVE_PARAMS, block), PortState::Open);
  EXPECT_TRUE(fs::exists(folder / "state.txt"));
  EXPECT_EQ(port.Query(printer_link::QUERY_PNT_PARAMS).reply.bytes, block);

  EXPECT_EQ(port.Control(printer_link::CTRL_RESTORE_DEFAULTS), PortState::Open);
  EXPECT_EQ(port.Query(printer_link::QUERY_PNT_PARAMS).reply.bytes,
            printer_link::ParameterBlock(std::vector<std::int32_t>{-1, 1}));
  EXPECT_EQ(Trace(),
            "OpenUSBPort -> 1\n"
            "UsbPrinterSetCmd 18 01 00 08 09 0A 0B 0C -> 1\n"
            "PrinterWriteUsb 05 00 00 00 00 00 00 00 -> 1\n"
            "OpenUSBPort -> 1\n"
            "UsbPrinterGetCmd 17 00 02 capacity=512 length=8 -> 1\n"
            "OpenUSBPort -> 1\n"
            "UsbPrinterSetCmd 18 01 01 08 09 0A 0B 0C -> 1\n"
            "OpenUSBPort -> 1\n"
            "UsbPrinterGetCmd 17 00 02 capacity=512 length=8 -> 1\n");
}

TEST_F(simLibrary, LibraryLackingAnEntryPointIsMissing) {
  UseScenario("");
  auto port = Port("without-PrinterWriteUsb");
  EXPECT_EQ(port.Query(printer_link::QUERY_EDS_BLOB).state, PortState::Missing);
  ASSERT_EQ(window.messages.size(), 1U);
  EXPECT_EQ(window.messages[0].text, printer_link::MISSING_LIBRARY_MESSAGE);
  EXPECT_FALSE(fs::exists(folder / "trace.txt"));
}

TEST_F(simLibrary, MalformedScenarioLineIsTracedAndTheRestApplies) {
  UseScenario("firmware = V1.07\nopen == 1\n");
  auto port = Port();
  const printer_link::QueryOutcome outcome = port.Query(printer_link::QUERY_FIRMWARE_VERSION);
  EXPECT_EQ(outcome.reply.bytes, (std::vector<std::uint8_t>{'V', '1', '.', '0', '7', 0}));
  EXPECT_EQ(Trace(),
            "scenario: ignored line 2: open == 1 (expected a number 0 to 255)\n"
            "OpenUSBPort -> 1\n"
            "UsbPrinterGetCmd 17 00 00 capacity=512 length=6 -> 1\n");
}

}  // namespace
