#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "sim/crc.h"
#include "sim/host.h"
#include "tests/unit/sim/query.h"

namespace {

using printer_link::QueryRequest;
using sim_testing::Answer;
using sim_testing::Ask;
using sim_testing::Int32At;
using sim_testing::Uint16At;

class simBuiltInPrinter : public ::testing::Test {
 protected:
  void SetUp() override { printer.Load({}); }

  std::string Text(const QueryRequest& request) {
    const Answer answer = Ask(printer, request);
    EXPECT_FALSE(answer.bytes.empty());
    EXPECT_EQ(answer.bytes.back(), 0) << "texts travel zero-terminated";
    return std::string(answer.bytes.begin(), std::find(answer.bytes.begin(), answer.bytes.end(), 0));
  }

  sim::Simulator printer;
};

TEST_F(simBuiltInPrinter, BlobCarriesItsCheckValue) {
  const Answer blob = Ask(printer, printer_link::QUERY_EDS_BLOB);
  ASSERT_GE(blob.bytes.size(), 24U);
  EXPECT_EQ(blob.bytes.size() % 4, 0U);
  const std::size_t data = blob.bytes.size() - 4;
  EXPECT_EQ(static_cast<std::uint32_t>(Int32At(blob.bytes, data)),
            sim::Crc16Modbus(std::span(blob.bytes).first(data)));
}

TEST_F(simBuiltInPrinter, TonerRecordsPassTheirChecksAndNameTheChip) {
  const Answer chips = Ask(printer, printer_link::QUERY_TONER_CHIPS);
  ASSERT_EQ(chips.bytes.size(), 96U);
  for (std::size_t z = 0; z < 3; ++z) {
    const auto record = std::span(chips.bytes).subspan(32 * z, 32);
    EXPECT_EQ(sim::ChipCrc16(record.first(30)), Uint16At(chips.bytes, 32 * z + 30)) << "record " << z + 1;
  }
  EXPECT_NE(std::find(chips.bytes.begin() + 64, chips.bytes.begin() + 94, 0), chips.bytes.begin() + 94)
      << "the label ends before the check value";

  const std::vector<std::int32_t> words = sim_testing::Int32s(Ask(printer, printer_link::QUERY_STATUS_WORDS).bytes);
  ASSERT_EQ(words.size(), 20U);
  EXPECT_EQ(words[2], 0) << "no fault";
  EXPECT_EQ(words[15] & 0xFFFF, 0) << "no toner state";
  const int yield = words[15] >> 16;
  const int used = (words[16] & 0xFFFF) + (words[16] >> 16) / 2;
  EXPECT_LT(used, yield) << "the cartridge is not worn out";
  EXPECT_GE(words[17], words[18]);
  ASSERT_NE(words[19], 0);
  const int chipNumber = Uint16At(chips.bytes, 32 + 4);
  EXPECT_FALSE(Text(printer_link::QUERY_OPTION_TEXT(words[19] + chipNumber)).empty());
}

TEST_F(simBuiltInPrinter, RowsAgreeWithTablesAndEveryOfferedValueHasItsText) {
  const Answer table = Ask(printer, printer_link::QUERY_EDS_TABLE);
  const std::vector<std::int32_t> values = sim_testing::Int32s(Ask(printer, printer_link::QUERY_PNT_PARAMS).bytes);
  const Answer list0 = Ask(printer, printer_link::QUERY_ROW_LIST(0));
  const Answer list1 = Ask(printer, printer_link::QUERY_ROW_LIST(1));
  ASSERT_EQ(table.bytes.size() % 12, 0U);
  const std::size_t count = table.bytes.size() / 12;
  ASSERT_GE(count, 10U);
  EXPECT_EQ(values.size(), count);
  ASSERT_FALSE(list0.bytes.empty());
  const std::size_t rows = list0.bytes[0];
  ASSERT_EQ(list0.bytes.size(), rows + 1);
  ASSERT_EQ(list1.bytes.size(), rows + 1);
  EXPECT_EQ(list1.bytes[0], rows);

  int withTexts = 0;
  int defaults = 0;
  for (std::size_t i = 0; i < rows; ++i) {
    const std::size_t k = list0.bytes[i + 1];
    const int base = list1.bytes[i + 1];
    ASSERT_LT(k, count) << "row " << i;
    const std::int32_t upper = Int32At(table.bytes, 12 * k);
    const std::int32_t lower = Int32At(table.bytes, 12 * k + 4);
    const std::int32_t defaultValue = Int32At(table.bytes, 12 * k + 8);
    EXPECT_LE(lower, upper) << "row " << i;
    EXPECT_TRUE(defaultValue >= lower && defaultValue <= upper) << "row " << i;
    EXPECT_TRUE(values[k] == -1 || (values[k] >= lower && values[k] <= upper)) << "row " << i;
    defaults += values[k] == -1 ? 1 : 0;
    EXPECT_FALSE(Text(printer_link::QUERY_ITEM_NAME(static_cast<std::int32_t>(i))).empty()) << "row " << i;
    if (base == 0xFF) continue;
    ++withTexts;
    for (std::int32_t v = lower; v <= upper; ++v) {
      EXPECT_FALSE(Text(printer_link::QUERY_OPTION_TEXT(base + v)).empty()) << "row " << i << " value " << v;
    }
  }
  EXPECT_GT(withTexts, 0);
  EXPECT_LT(withTexts, static_cast<int>(rows)) << "some rows show plain numbers";
  EXPECT_GT(defaults, 0) << "some values stand for their default";
  EXPECT_EQ(Text(printer_link::QUERY_ITEM_NAME(0)), sim::Utf8ToPrinterText("打印浓度").value()) << "names are GBK";
}

TEST_F(simBuiltInPrinter, FixedQueriesAndCommandsAreAnswered) {
  EXPECT_EQ(printer.OpenUSBPort(), 1);
  EXPECT_EQ(Text(printer_link::QUERY_FIRMWARE_VERSION), "V1.08");
  const Answer id = Ask(printer, printer_link::QUERY_PRINTER_ID);
  EXPECT_EQ(id.bytes.size(), 16U);
  for (const QueryRequest& request : {printer_link::QUERY_FIRMWARE_VERSION, printer_link::QUERY_EDS_TABLE,
                                      printer_link::QUERY_PNT_PARAMS, printer_link::QUERY_EDS_BLOB,
                                      printer_link::QUERY_STATUS_WORDS, printer_link::QUERY_TONER_CHIPS,
                                      printer_link::QUERY_PRINTER_ID}) {
    EXPECT_EQ(Ask(printer, request).result, 1) << int{request.frame.bytes[2]};
  }
  for (const printer_link::ControlFrame& frame :
       {printer_link::CTRL_PARAM_READ_START, printer_link::CTRL_PRINTER_ACTION(0), printer_link::CTRL_PRINTER_ACTION(1),
        printer_link::CTRL_RESTORE_DEFAULTS, printer_link::CTRL_SAVE_PARAMS}) {
    EXPECT_EQ(printer.UsbPrinterSetCmd(frame.data(), 8), 1);
  }
  EXPECT_EQ(printer.UsbPrinterSetCmd(printer_link::CTRL_PRINTER_ACTION(7).data(), 8), 0);
}

TEST_F(simBuiltInPrinter, UnknownFramesGetAnEmptyReplyAndResultZero) {
  const std::vector<std::vector<std::uint8_t>> frames{
      {0x17, 0x00, 0x05}, {0x17, 0x02, 0x02}, {0x17, 0x01, 0xFE}, {0x17, 0x03, 0x63}, {0x19, 0x00, 0x00}, {0x17, 0x00}, {}};
  for (const auto& frame : frames) {
    std::vector<std::uint8_t> reply(16, 0xAA);
    std::uint32_t length = 99;
    EXPECT_EQ(printer.UsbPrinterGetCmd(frame.data(), static_cast<std::int32_t>(frame.size()), reply.data(), 16, &length), 0);
    EXPECT_EQ(length, 0U);
    EXPECT_EQ(reply, std::vector<std::uint8_t>(16, 0xAA));
  }
}

TEST_F(simBuiltInPrinter, NeverWritesBeyondTheCapacity) {
  std::vector<std::uint8_t> reply(64, 0xAA);
  std::uint32_t length = 0;
  const auto& frame = printer_link::QUERY_EDS_TABLE.frame.bytes;
  EXPECT_EQ(printer.UsbPrinterGetCmd(frame.data(), 3, reply.data(), 10, &length), 1);
  EXPECT_EQ(length, 10U);
  EXPECT_TRUE(std::all_of(reply.begin() + 10, reply.end(), [](std::uint8_t b) { return b == 0xAA; }));
  EXPECT_EQ(printer.UsbPrinterGetCmd(frame.data(), 3, nullptr, 512, &length), 1);
  EXPECT_EQ(length, 0U);
  EXPECT_EQ(printer.UsbPrinterGetCmd(frame.data(), 3, reply.data(), -5, nullptr), 1);
}

}  // namespace
