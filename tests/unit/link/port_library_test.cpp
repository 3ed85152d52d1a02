#include "link/port_library.h"

#include <gtest/gtest.h>

#include "tests/support/fake_port_library.h"
#include "tests/support/recording_window_ops.h"

namespace printer_link {
namespace {

using testing_support::Bytes;
using testing_support::FakePrinter;
using testing_support::FakeReply;
using testing_support::RecordingWindowOps;
using Calls = std::vector<std::string>;

Bytes FrameOf(const QueryRequest& request) { return Bytes(request.frame.bytes.begin(), request.frame.bytes.end()); }

class PortLibraryTest : public ::testing::Test {
 protected:
  FakePrinter printer;
  RecordingWindowOps window;
  PortLibrary port{printer.Loader(), window};

  void ExpectOneMissingLibraryMessage() {
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, MISSING_LIBRARY_MESSAGE);
    EXPECT_TRUE(window.messages[0].application);
  }
};

TEST_F(PortLibraryTest, MissingLibraryShowsItsMessageOnceAndSendsNothing) {
  printer.present = false;
  const QueryOutcome outcome = port.Query(QUERY_EDS_BLOB);
  EXPECT_EQ(outcome.state, PortState::Missing);
  ExpectOneMissingLibraryMessage();
  EXPECT_TRUE(printer.calls.empty());
}

TEST_F(PortLibraryTest, LibraryLackingAnyEntryPointCountsAsMissingAndIsReleased) {
  for (const char* entry : {OPEN_USB_PORT, USB_PRINTER_GET_CMD, USB_PRINTER_SET_CMD, PRINTER_WRITE_USB}) {
    SCOPED_TRACE(entry);
    printer.missingEntryPoints = {entry};
    printer.calls.clear();
    window.messages.clear();
    EXPECT_EQ(port.Control(CTRL_PARAM_READ_START), PortState::Missing);
    ExpectOneMissingLibraryMessage();
    EXPECT_TRUE(printer.calls.empty());
  }
  EXPECT_EQ(printer.loads, 4);
  EXPECT_EQ(printer.releases, 4);
}

TEST_F(PortLibraryTest, OnlyAnOpenResultOfExactlyOneLetsRequestsThrough) {
  for (std::uint8_t open : std::initializer_list<std::uint8_t>{0, 2, 255}) {
    SCOPED_TRACE(static_cast<int>(open));
    printer.openResult = open;
    printer.calls.clear();
    const QueryOutcome outcome = port.Query(QUERY_STATUS_WORDS);
    EXPECT_EQ(outcome.state, PortState::Refused);
    EXPECT_EQ(outcome.openResult, open);
    EXPECT_EQ(printer.EntryPointsCalled(), Calls{"OpenUSBPort"});
  }
  EXPECT_TRUE(window.messages.empty()) << "a refused open is silent";
}

TEST_F(PortLibraryTest, EveryOperationLoadsOnceAndReleasesOnEveryPath) {
  printer.replies[FrameOf(QUERY_PRINTER_ID)] = {{1, 2, 3}};
  port.Query(QUERY_PRINTER_ID);  // answered
  printer.openResult = 0;
  port.Query(QUERY_PRINTER_ID);  // refused
  printer.openResult = 1;
  port.Control(CTRL_RESTORE_DEFAULTS);
  port.Probe();
  printer.missingEntryPoints = {PRINTER_WRITE_USB};
  port.Control(CTRL_RESTORE_DEFAULTS);  // lacks an entry point
  EXPECT_EQ(printer.loads, 5);
  EXPECT_EQ(printer.releases, 5);
}

TEST_F(PortLibraryTest, QueryPresetsLengthToZeroAndPassesTheTableCapacity) {
  printer.replies[FrameOf(QUERY_EDS_TABLE)] = {Bytes(36, 0xAB)};
  const QueryOutcome outcome = port.Query(QUERY_EDS_TABLE);
  ASSERT_EQ(outcome.state, PortState::Open);
  ASSERT_EQ(printer.calls.size(), 2u);
  EXPECT_EQ(printer.calls[1].data, FrameOf(QUERY_EDS_TABLE));
  EXPECT_EQ(printer.calls[1].capacity, 1536);
  EXPECT_EQ(printer.calls[1].lengthIn, 0u);
  EXPECT_EQ(outcome.reply.bytes, Bytes(36, 0xAB));
  EXPECT_EQ(outcome.reply.reportedLength, 36u);
  EXPECT_EQ(outcome.reply.result, 1);
}

TEST_F(PortLibraryTest, ReportedLengthBeyondTheCapacityKeepsOnlyTheBuffer) {
  struct Case {
    std::uint32_t reported;
    std::size_t kept;
  };
  for (const Case c : {Case{512, 512}, Case{513, 512}, Case{0xFFFFFFFFu, 512}, Case{20, 20}}) {
    SCOPED_TRACE(c.reported);
    printer.replies[FrameOf(QUERY_EDS_BLOB)] = {Bytes(600, 0x5A), c.reported, 1};
    const QueryOutcome outcome = port.Query(QUERY_EDS_BLOB);
    EXPECT_EQ(outcome.reply.reportedLength, c.reported) << "callers report the length as the library gave it";
    EXPECT_EQ(outcome.reply.bytes, Bytes(c.kept, 0x5A));
  }
}

TEST_F(PortLibraryTest, LibraryThatNeverSetsTheLengthGivesAnEmptyReply) {
  printer.leavesLengthUnset = true;
  printer.replies[FrameOf(QUERY_FIRMWARE_VERSION)] = {{'V', '1'}};
  const QueryOutcome outcome = port.Query(QUERY_FIRMWARE_VERSION);
  EXPECT_EQ(outcome.state, PortState::Open);
  EXPECT_EQ(outcome.reply.reportedLength, 0u);
  EXPECT_TRUE(outcome.reply.bytes.empty());
}

TEST_F(PortLibraryTest, ProbeCallsOpenAloneAndCountsAnyNonZeroResult) {
  for (std::uint8_t open : std::initializer_list<std::uint8_t>{0, 1, 2, 255}) {
    printer.openResult = open;
    EXPECT_EQ(port.Probe(), open);
  }
  EXPECT_EQ(printer.EntryPointsCalled(), (Calls{"OpenUSBPort", "OpenUSBPort", "OpenUSBPort", "OpenUSBPort"}));
  printer.present = false;
  EXPECT_EQ(port.Probe(), 0);
  ExpectOneMissingLibraryMessage();
}

TEST_F(PortLibraryTest, SaveSendsTheCommandThenTheBlockInOneOperation) {
  const std::int32_t values[] = {1, -1, 256};
  const Bytes block = ParameterBlock(values);
  EXPECT_EQ(port.ControlThenWrite(CTRL_SAVE_PARAMS, block), PortState::Open);
  EXPECT_EQ(printer.loads, 1);
  EXPECT_EQ(printer.EntryPointsCalled(), (Calls{"OpenUSBPort", "UsbPrinterSetCmd", "PrinterWriteUsb"}));
  EXPECT_EQ(printer.calls[1].data, Bytes(CTRL_SAVE_PARAMS.begin(), CTRL_SAVE_PARAMS.end()));
  EXPECT_EQ(printer.calls[2].data, block);
}

TEST_F(PortLibraryTest, ControlSendsTheEightBytes) {
  port.Control(CTRL_PRINTER_ACTION(ACTION_RESTART_PRINTER));
  ASSERT_EQ(printer.calls.size(), 2u);
  EXPECT_EQ(printer.calls[1].entryPoint, "UsbPrinterSetCmd");
  EXPECT_EQ(printer.calls[1].data, (Bytes{0x18, 0x04, 0x00, 0x10, 0x01, 0x00, 0x00, 0x00}));
}

}  // namespace
}  // namespace printer_link
