#include <string_view>

#include "sim/host.h"
#include "sim/printer_model.h"

namespace sim {
namespace {

std::string Text(std::string_view utf8) { return Utf8ToPrinterText(utf8).value_or(std::string()); }

std::vector<std::string> Texts(std::initializer_list<std::string_view> utf8) {
  std::vector<std::string> texts;
  for (std::string_view text : utf8) texts.push_back(Text(text));
  return texts;
}

Parameter Numeric(std::string_view name, std::int32_t lower, std::int32_t upper, std::int32_t defaultValue,
                  std::int32_t value) {
  return {Text(name), lower, upper, defaultValue, value, {}, std::nullopt};
}

Parameter Choice(std::string_view name, std::int32_t defaultValue, std::int32_t value,
                 std::initializer_list<std::string_view> options) {
  const auto upper = static_cast<std::int32_t>(options.size()) - 1;
  return {Text(name), 0, upper, defaultValue, value, Texts(options), std::nullopt};
}

void Put16(TonerRecord& record, std::size_t at, std::uint16_t value) {
  record[at] = static_cast<std::uint8_t>(value);
  record[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace

PrinterModel BuiltInPrinter() {
  PrinterModel printer;
  printer.parameters = {
      {0, Numeric("打印浓度", 1, 7, 4, -1)},
      {1, Choice("省墨模式", 0, 1, {"关闭", "开启"})},
      {2, Choice("纸张类型", 0, -1, {"普通纸", "厚纸", "薄纸", "信封", "标签纸"})},
      {3, Numeric("休眠时间", 1, 60, 5, 15)},
      {4, Choice("自动关机", 1, -1, {"关闭", "1小时", "2小时", "4小时", "8小时"})},
      {5, Choice("纸张尺寸", 0, 0, {"A4", "A5", "B5", "Letter", "Legal"})},
      {6, Choice("双面打印", 0, -1, {"关闭", "长边翻转", "短边翻转"})},
      {7, Numeric("打印速度", 10, 30, 22, 22)},
      {8, Choice("分辨率", 1, -1, {"300dpi", "600dpi", "1200dpi"})},
      {9, Choice("语言", 0, 0, {"简体中文", "English"})},
      {10, Choice("蜂鸣器", 1, 1, {"关闭", "开启"})},
      {11, Choice("节能模式", 0, -1, {"关闭", "开启"})},
  };

  printer.firmware = "V1.08";
  printer.printerId = {1, 171, 0, 18};

  auto& words = printer.statusWords;
  words[0] = 0x6000;                               // paper in the feeder and the first output tray
  words[14] = 35;                                  // firmware build
  words[15] = static_cast<std::int32_t>(3000U << 16);  // toner state 0, rated for 3000 A4 pages
  words[16] = 1000 | (120 << 16);                  // A4 and A5 pages printed with this cartridge
  words[17] = 12873;
  words[18] = 11420;
  words[19] = 200;                                 // option text of chip name 0

  printer.chipNames = Texts({"VT-210 标准容量", "VT-210H 高容量", "VT-210S 入门容量"});

  auto& records = printer.tonerRecords;
  const std::array<std::uint8_t, 8> serial{0x56, 0x54, 0x32, 0x31, 0x30, 0x19, 0x05, 0x27};
  std::copy(serial.begin(), serial.end(), records[0].begin());
  records[1][0] = 0x02;
  records[1][2] = 0;                               // cartridge type A
  Put16(records[1], 4, 1);                         // the high-yield chip
  const std::string label = "VT-210H 2019-05";
  std::copy(label.begin(), label.end(), records[2].begin());

  const std::string blobText = "VARNESK-EDS 1.2 LP2100";
  printer.blob.assign(blobText.begin(), blobText.end());
  const std::array<std::uint8_t, 10> layout{0x0C, 0x00, 0x00, 0x00, 0x14, 0x00, 0x03, 0x00, 0x01, 0x08};
  printer.blob.insert(printer.blob.end(), layout.begin(), layout.end());
  return printer;
}

}  // namespace sim
