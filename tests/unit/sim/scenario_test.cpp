#include "sim/scenario.h"

#include <gtest/gtest.h>

#include <functional>

#include "sim/host.h"

namespace {

std::string Gbk(std::string_view utf8) { return sim::Utf8ToPrinterText(utf8).value(); }

struct GoodLine {
  const char* line;
  std::function<bool(const sim::PrinterModel&)> holds;
};

TEST(simScenario, EachKeyChangesWhatItNames) {
  const GoodLine cases[] = {
      {"open = 2", [](const auto& p) { return p.openResult == 2; }},
      {"get_result = 0", [](const auto& p) { return p.getResult == 0; }},
      {"reply 17 00 03 = 01 02 0a FF",
       [](const auto& p) { return p.replies.at({0x17, 0x00, 0x03}) == sim::Bytes{0x01, 0x02, 0x0A, 0xFF}; }},
      {"reply 17 01 05 =", [](const auto& p) { return p.replies.at({0x17, 0x01, 0x05}).empty(); }},
      {"length 17 00 04 = 600", [](const auto& p) { return p.lengths.at({0x17, 0x00, 0x04}) == 600U; }},
      {"params.clear = 1", [](const auto& p) { return p.parameters.empty(); }},
      {"param 3 = 纸张 | 0 | 1 | 1 | -1 | 关闭 / 开启",
       [](const auto& p) {
         const sim::Parameter& q = p.parameters.at(3);
         return q.name == Gbk("纸张") && q.lower == 0 && q.upper == 1 && q.defaultValue == 1 && q.value == -1 &&
                q.options == std::vector<std::string>{Gbk("关闭"), Gbk("开启")};
       }},
      {"param 40 = Level | -2 | 3 | 0 | 2", [](const auto& p) { return p.parameters.at(40).options.empty(); }},
      {"param.value 0 = 6", [](const auto& p) { return p.parameters.at(0).value == 6; }},
      {"param.option_base 1 = 250", [](const auto& p) { return p.parameters.at(1).optionBase == 250; }},
      {"rows = 3 1 1", [](const auto& p) { return p.rows == std::vector<int>{3, 1, 1}; }},
      {"option 7 = 黑色 = dark", [](const auto& p) { return p.optionTexts.at(7) == Gbk("黑色 = dark"); }},
      {"item_name 2 = C#", [](const auto& p) { return p.itemNames.at(2) == "C#"; }},
      {"status.word 2 = 0x80000000", [](const auto& p) { return p.statusWords[2] == INT32_MIN; }},
      {"status.word 19 = -1   # comment", [](const auto& p) { return p.statusWords[19] == -1; }},
      {"toner.state = 3", [](const auto& p) { return p.statusWords[15] == static_cast<std::int32_t>(3000U << 16 | 3U); }},
      {"toner.yield = -1", [](const auto& p) { return static_cast<std::uint32_t>(p.statusWords[15]) >> 16 == 0xFFFFU; }},
      {"toner.printed_a5 = 501", [](const auto& p) { return p.statusWords[16] == (1000 | 501 << 16); }},
      {"firmware = V1.07", [](const auto& p) { return p.firmware == "V1.07"; }},
      {"firmware =", [](const auto& p) { return p.firmware.empty(); }},
      {"id = 1 0xab 0 18", [](const auto& p) { return p.printerId == std::array<std::uint32_t, 4>{1, 171, 0, 18}; }},
      {"toner.record 1 = 01 02", [](const auto& p) { return p.tonerRecords[0][1] == 2 && p.tonerRecords[0][2] == 0; }},
      {"toner.raw = 1", [](const auto& p) { return p.tonerRaw; }},
      {"toner.type = 2", [](const auto& p) { return p.tonerRecords[1][2] == 2; }},
      {"toner.chip_number = 300", [](const auto& p) { return p.tonerRecords[1][4] == 0x2C && p.tonerRecords[1][5] == 1; }},
      {"toner.label = 标准", [](const auto& p) { return std::string(reinterpret_cast<const char*>(p.tonerRecords[2].data())) == Gbk("标准"); }},
      {"toner.chip_names = A / B", [](const auto& p) { return p.chipNames == std::vector<std::string>{"A", "B"}; }},
      {"blob = 31 32", [](const auto& p) { return p.blob == sim::Bytes{0x31, 0x32} && !p.blobRaw; }},
      {"blob.raw = FFFF0000", [](const auto& p) { return p.blob == sim::Bytes{0xFF, 0xFF, 0, 0} && p.blobRaw; }},
  };
  for (const GoodLine& c : cases) {
    sim::PrinterModel printer = sim::BuiltInPrinter();
    EXPECT_TRUE(sim::ApplyScenario(c.line, printer).empty()) << c.line;
    EXPECT_TRUE(c.holds(printer)) << c.line;
  }
}

TEST(simScenario, MalformedLinesAreIgnoredAndNamed) {
  const char* cases[] = {
      "open = 256",
      "open 1 = 1",
      "open",
      "= 3",
      "colour = red",
      "get_result = yes",
      "reply 17 0 = 01",
      "reply 17 00 03 = 0G",
      "reply = 01",
      "length 17 00 03 = -1",
      "params.clear = 2",
      "param 1 = a | 1",
      "param 256 = a | 0 | 1 | 0 | 0",
      "param 1 = a | 1 | 3 | 1 | 1 | x / y",
      "param 1 = a | one | 3 | 1 | 1",
      "param.value 99 = 1",
      "param.option_base 1 = 255",
      "rows = 1 x",
      "option 256 = x",
      "status.word 20 = 1",
      "status.word 2 = 0x100000000",
      "toner.state = 65536",
      "id = 1 2 3",
      "toner.record 4 = 00",
      "toner.record 1 = 000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F20",
      "toner.label = 123456789012345678901234567890",
      "toner.type = 256",
      "blob = 123",
      "firmware = \xFF\xFE",
  };
  for (const char* line : cases) {
    sim::PrinterModel printer = sim::BuiltInPrinter();
    const auto ignored = sim::ApplyScenario(line, printer);
    ASSERT_EQ(ignored.size(), 1U) << line;
    EXPECT_EQ(ignored[0].rfind("scenario: ignored line 1: " + std::string(line) + " (", 0), 0U) << ignored[0];
    EXPECT_TRUE(printer == sim::BuiltInPrinter()) << line;
  }
}

TEST(simScenario, LinesAreNumberedAndLaterLinesWin) {
  sim::PrinterModel printer = sim::BuiltInPrinter();
  const auto ignored = sim::ApplyScenario("\xEF\xBB\xBF# a demo\r\nopen = 2\n\nopen = 3\r\nnonsense\nopen = 0x04", printer);
  ASSERT_EQ(ignored.size(), 1U);
  EXPECT_EQ(ignored[0], "scenario: ignored line 5: nonsense (expected key = value)");
  EXPECT_EQ(printer.openResult, 4);
}

}  // namespace
