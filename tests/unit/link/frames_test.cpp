#include "link/frames.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace printer_link {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes ToBytes(const std::array<std::uint8_t, N>& frame) {
  return Bytes(frame.begin(), frame.end());
}

struct QueryCase {
  const char* name;
  QueryRequest request;
  Bytes frame;
  std::uint32_t capacity;
};

void PrintTo(const QueryCase& c, std::ostream* os) { *os << c.name; }

class QueryFrameTest : public ::testing::TestWithParam<QueryCase> {};

TEST_P(QueryFrameTest, FrameAndCapacityMatchTheCommandTable) {
  const QueryCase& c = GetParam();
  EXPECT_EQ(ToBytes(c.request.frame.bytes), c.frame);
  EXPECT_EQ(c.request.capacity, c.capacity);
}

INSTANTIATE_TEST_SUITE_P(
    CommandTable, QueryFrameTest,
    ::testing::Values(QueryCase{"FirmwareVersion", QUERY_FIRMWARE_VERSION, {0x17, 0x00, 0x00}, 512},
                      QueryCase{"EdsTable", QUERY_EDS_TABLE, {0x17, 0x00, 0x01}, 1536},
                      QueryCase{"PntParams", QUERY_PNT_PARAMS, {0x17, 0x00, 0x02}, 512},
                      QueryCase{"EdsBlob", QUERY_EDS_BLOB, {0x17, 0x00, 0x03}, 512},
                      QueryCase{"StatusWords", QUERY_STATUS_WORDS, {0x17, 0x00, 0x04}, 80},
                      QueryCase{"TonerChips", QUERY_TONER_CHIPS, {0x17, 0x00, 0x07}, 4096},
                      QueryCase{"PrinterId", QUERY_PRINTER_ID, {0x17, 0x00, 0x08}, 16},
                      QueryCase{"OptionText7", QUERY_OPTION_TEXT(7), {0x17, 0x01, 0x07}, 512},
                      // Only the low 8 bits of a text number travel.
                      QueryCase{"OptionText260", QUERY_OPTION_TEXT(260), {0x17, 0x01, 0x04}, 512},
                      QueryCase{"OptionText300", QUERY_OPTION_TEXT(300), {0x17, 0x01, 0x2C}, 512},
                      QueryCase{"OptionTextMinus1", QUERY_OPTION_TEXT(-1), {0x17, 0x01, 0xFF}, 512},
                      QueryCase{"RowList0", QUERY_ROW_LIST(0), {0x17, 0x02, 0x00}, 1960},
                      QueryCase{"RowList1", QUERY_ROW_LIST(1), {0x17, 0x02, 0x01}, 1960},
                      QueryCase{"ItemName29", QUERY_ITEM_NAME(29), {0x17, 0x03, 0x1D}, 1960}),
    [](const ::testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.name); });

TEST(QueryFrameTest, TheSameQueryBuiltTwiceIsTheSameThreeBytes) {
  EXPECT_EQ(QUERY_OPTION_TEXT(42).frame, QUERY_OPTION_TEXT(42).frame);
  EXPECT_EQ(QueryFrame(GROUP_ITEM_NAME, 3).bytes.size(), 3u);
}

struct ControlCase {
  const char* name;
  ControlFrame frame;
  Bytes bytes;
};

void PrintTo(const ControlCase& c, std::ostream* os) { *os << c.name; }

class ControlFrameTest : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlFrameTest, BytesMatchTheCommandTable) { EXPECT_EQ(ToBytes(GetParam().frame), GetParam().bytes); }

INSTANTIATE_TEST_SUITE_P(
    CommandTable, ControlFrameTest,
    ::testing::Values(
        ControlCase{"ParamReadStart", CTRL_PARAM_READ_START, {0x18, 0x00, 0x03, 0x03, 0x04, 0x05, 0x06, 0x07}},
        ControlCase{"SaveParams", CTRL_SAVE_PARAMS, {0x18, 0x01, 0x00, 0x08, 0x09, 0x0A, 0x0B, 0x0C}},
        ControlCase{"RestoreDefaults", CTRL_RESTORE_DEFAULTS, {0x18, 0x01, 0x01, 0x08, 0x09, 0x0A, 0x0B, 0x0C}},
        ControlCase{"CancelPrint", CTRL_PRINTER_ACTION(ACTION_CANCEL_PRINT), {0x18, 0x04, 0x00, 0x10, 0, 0, 0, 0}},
        ControlCase{"RestartPrinter", CTRL_PRINTER_ACTION(ACTION_RESTART_PRINTER), {0x18, 0x04, 0x00, 0x10, 1, 0, 0, 0}},
        ControlCase{"ActionLittleEndian",
                    CTRL_PRINTER_ACTION(0x12345678),
                    {0x18, 0x04, 0x00, 0x10, 0x78, 0x56, 0x34, 0x12}}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return std::string(info.param.name); });

TEST(ParameterBlockTest, ValuesAreLittleEndianInTableOrder) {
  const std::int32_t values[] = {1, -1, 256};
  EXPECT_EQ(ParameterBlock(values), (Bytes{0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x00, 0x00}));
}

TEST(ParameterBlockTest, ExtremesAndEmptyTable) {
  const std::int32_t values[] = {INT32_MIN, INT32_MAX};
  EXPECT_EQ(ParameterBlock(values), (Bytes{0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_TRUE(ParameterBlock({}).empty());
}

}  // namespace
}  // namespace printer_link
