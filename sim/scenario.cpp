#include "sim/scenario.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>

#include "sim/host.h"

namespace sim {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// A '#' at the start or after a blank opens a comment, so texts like "C#" stay whole.
std::string_view StripComment(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
  }
  return line;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(Trim(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

// Decimal with an optional sign, or 0x hexadecimal.
std::optional<std::int64_t> Integer(std::string_view text, std::int64_t lowest, std::int64_t highest) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int radix = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    radix = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || text.size() > 12) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, radix);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<Bytes> HexBytes(std::string_view text) {
  Bytes bytes;
  for (std::string_view word : Words(text)) {
    if (word.size() % 2 != 0) return std::nullopt;
    for (std::size_t i = 0; i < word.size(); i += 2) {
      std::uint8_t byte = 0;
      const auto [end, error] = std::from_chars(word.data() + i, word.data() + i + 2, byte, 16);
      if (error != std::errc() || end != word.data() + i + 2) return std::nullopt;
      bytes.push_back(byte);
    }
  }
  return bytes;
}

constexpr std::int64_t INT32_LOW = INT32_MIN;
constexpr std::int64_t WORD_HIGH = UINT32_MAX;  // 0xFFFFFFFF is accepted and reads as -1

std::int32_t Word(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }

void SetHalf(std::int32_t& word, bool high, std::int64_t value) {
  auto bits = static_cast<std::uint32_t>(word);
  const auto half = static_cast<std::uint32_t>(value) & 0xFFFFU;
  bits = high ? ((bits & 0x0000FFFFU) | (half << 16)) : ((bits & 0xFFFF0000U) | half);
  word = static_cast<std::int32_t>(bits);
}

// One line's key, its argument (the words after the key's name) and its value.
struct Line {
  std::string_view key;
  std::string_view argument;
  std::string_view value;
};

class Applier {
 public:
  explicit Applier(PrinterModel& printer) : printer_(printer) {}

  // Empty when the line was used, otherwise why it was not.
  std::string Apply(const Line& line) {
    const auto handler = Handlers().find(std::string(line.key));
    if (handler == Handlers().end()) return "unknown key";
    return handler->second(*this, line);
  }

 private:
  using Handler = std::function<std::string(Applier&, const Line&)>;

  static std::optional<std::string> Text(std::string_view utf8) { return Utf8ToPrinterText(utf8); }

  static std::optional<int> Index(std::string_view argument, int highest) {
    const auto index = Integer(argument, 0, highest);
    if (!index) return std::nullopt;
    return static_cast<int>(*index);
  }

  std::string Result(const Line& line, std::uint8_t& target) {
    const auto value = Integer(line.value, 0, 255);
    if (!line.argument.empty() || !value) return "expected a number 0 to 255";
    target = static_cast<std::uint8_t>(*value);
    return {};
  }

  std::string Reply(const Line& line) {
    const auto frame = HexBytes(line.argument);
    const auto bytes = HexBytes(line.value);
    if (!frame || frame->empty() || !bytes) return "expected hex bytes on both sides";
    printer_.replies[*frame] = *bytes;
    return {};
  }

  std::string Length(const Line& line) {
    const auto frame = HexBytes(line.argument);
    const auto length = Integer(line.value, 0, UINT32_MAX);
    if (!frame || frame->empty() || !length) return "expected a frame in hex and a length";
    printer_.lengths[*frame] = static_cast<std::uint32_t>(*length);
    return {};
  }

  std::string ClearParameters(const Line& line) {
    const auto flag = Integer(line.value, 0, 1);
    if (!line.argument.empty() || !flag) return "expected 0 or 1";
    if (*flag == 1) {
      printer_.parameters.clear();
      printer_.rows.reset();
    }
    return {};
  }

  std::string DefineParameter(const Line& line) {
    const auto index = Index(line.argument, MAX_EDS_INDEX);
    if (!index) return "expected an index 0 to 255";
    const auto fields = Split(line.value, '|');
    if (fields.size() != 5 && fields.size() != 6) return "expected name | lower | upper | default | value [| options]";
    const auto name = Text(fields[0]);
    const auto lower = Integer(fields[1], INT32_MIN, INT32_MAX);
    const auto upper = Integer(fields[2], INT32_MIN, INT32_MAX);
    const auto defaultValue = Integer(fields[3], INT32_MIN, INT32_MAX);
    const auto value = Integer(fields[4], INT32_MIN, INT32_MAX);
    if (!name || !lower || !upper || !defaultValue || !value) return "bad name or number";
    Parameter parameter{*name, static_cast<std::int32_t>(*lower), static_cast<std::int32_t>(*upper),
                        static_cast<std::int32_t>(*defaultValue), static_cast<std::int32_t>(*value), {}, std::nullopt};
    if (fields.size() == 6) {
      for (std::string_view option : Split(fields[5], '/')) {
        const auto text = Text(option);
        if (!text) return "option text not in code page 936";
        parameter.options.push_back(*text);
      }
      if (static_cast<std::int64_t>(parameter.options.size()) != *upper - *lower + 1) {
        return "expected one option text per value from lower to upper";
      }
    }
    printer_.parameters[*index] = std::move(parameter);
    return {};
  }

  std::string ParameterValue(const Line& line) {
    const auto index = Index(line.argument, MAX_EDS_INDEX);
    const auto value = Integer(line.value, INT32_MIN, INT32_MAX);
    if (!index || !value) return "expected an index and a number";
    const auto found = printer_.parameters.find(*index);
    if (found == printer_.parameters.end()) return "no such parameter";
    found->second.value = static_cast<std::int32_t>(*value);
    return {};
  }

  std::string ParameterOptionBase(const Line& line) {
    const auto index = Index(line.argument, MAX_EDS_INDEX);
    const auto base = Integer(line.value, 0, 254);
    if (!index || !base) return "expected an index and a number 0 to 254";
    const auto found = printer_.parameters.find(*index);
    if (found == printer_.parameters.end()) return "no such parameter";
    found->second.optionBase = static_cast<int>(*base);
    return {};
  }

  std::string Rows(const Line& line) {
    std::vector<int> rows;
    for (std::string_view word : Words(line.value)) {
      const auto index = Integer(word, 0, MAX_EDS_INDEX);
      if (!index) return "expected EDS indices 0 to 255";
      rows.push_back(static_cast<int>(*index));
    }
    if (!line.argument.empty() || rows.size() > 255) return "expected at most 255 EDS indices";
    printer_.rows = std::move(rows);
    return {};
  }

  std::string NumberedText(const Line& line, std::map<int, std::string>& texts) {
    const auto number = Index(line.argument, 255);
    const auto text = Text(line.value);
    if (!number || !text) return "expected a number 0 to 255 and a text in code page 936";
    texts[*number] = *text;
    return {};
  }

  std::string StatusWord(const Line& line) {
    const auto index = Index(line.argument, STATUS_WORD_COUNT - 1);
    const auto value = Integer(line.value, INT32_LOW, WORD_HIGH);
    if (!index || !value) return "expected a word 0 to 19 and a 32-bit number";
    printer_.statusWords[static_cast<std::size_t>(*index)] = Word(*value);
    return {};
  }

  std::string StatusHalf(const Line& line, std::size_t word, bool high, std::int64_t lowest) {
    const auto value = Integer(line.value, lowest, 0xFFFF);
    if (!line.argument.empty() || !value) return "expected a 16-bit number";
    SetHalf(printer_.statusWords[word], high, *value);
    return {};
  }

  std::string Firmware(const Line& line) {
    const auto text = Text(line.value);
    if (!line.argument.empty() || !text) return "expected a text in code page 936";
    printer_.firmware = *text;
    return {};
  }

  std::string Id(const Line& line) {
    const auto words = Words(line.value);
    if (!line.argument.empty() || words.size() != 4) return "expected four numbers";
    std::array<std::uint32_t, 4> id{};
    for (std::size_t i = 0; i < 4; ++i) {
      const auto value = Integer(words[i], INT32_LOW, WORD_HIGH);
      if (!value) return "expected four 32-bit numbers";
      id[i] = static_cast<std::uint32_t>(Word(*value));
    }
    printer_.printerId = id;
    return {};
  }

  std::string TonerRecordBytes(const Line& line) {
    const auto z = Integer(line.argument, 1, TONER_RECORD_COUNT);
    const auto bytes = HexBytes(line.value);
    if (!z || !bytes || bytes->size() > TONER_RECORD_SIZE) return "expected a record 1 to 3 and up to 32 hex bytes";
    TonerRecord record{};
    std::copy(bytes->begin(), bytes->end(), record.begin());
    printer_.tonerRecords[static_cast<std::size_t>(*z - 1)] = record;
    return {};
  }

  std::string TonerRaw(const Line& line) {
    const auto flag = Integer(line.value, 0, 1);
    if (!line.argument.empty() || !flag) return "expected 0 or 1";
    printer_.tonerRaw = *flag == 1;
    return {};
  }

  std::string TonerField(const Line& line, std::size_t at, std::size_t width) {
    const auto value = Integer(line.value, 0, width == 1 ? 0xFF : 0xFFFF);
    if (!line.argument.empty() || !value) return width == 1 ? "expected a number 0 to 255" : "expected a number 0 to 65535";
    for (std::size_t i = 0; i < width; ++i) {
      printer_.tonerRecords[1][at + i] = static_cast<std::uint8_t>(*value >> (8 * i));
    }
    return {};
  }

  std::string TonerLabel(const Line& line) {
    const auto text = Text(line.value);
    // The label must end before the check value, with room for its terminating zero.
    if (!line.argument.empty() || !text || text->size() >= TONER_RECORD_DATA) {
      return "expected a text of at most 29 bytes in code page 936";
    }
    TonerRecord record{};
    std::copy(text->begin(), text->end(), record.begin());
    printer_.tonerRecords[2] = record;
    return {};
  }

  std::string ChipNames(const Line& line) {
    std::vector<std::string> names;
    for (std::string_view name : Split(line.value, '/')) {
      const auto text = Text(name);
      if (!text) return "chip name not in code page 936";
      names.push_back(*text);
    }
    if (!line.argument.empty()) return "expected no argument";
    printer_.chipNames = std::move(names);
    return {};
  }

  std::string Blob(const Line& line, bool raw) {
    const auto bytes = HexBytes(line.value);
    if (!line.argument.empty() || !bytes) return "expected hex bytes";
    printer_.blob = *bytes;
    printer_.blobRaw = raw;
    return {};
  }

  static const std::map<std::string, Handler>& Handlers() {
    static const std::map<std::string, Handler> handlers{
        {"open", [](Applier& a, const Line& l) { return a.Result(l, a.printer_.openResult); }},
        {"get_result", [](Applier& a, const Line& l) { return a.Result(l, a.printer_.getResult); }},
        {"reply", [](Applier& a, const Line& l) { return a.Reply(l); }},
        {"length", [](Applier& a, const Line& l) { return a.Length(l); }},
        {"params.clear", [](Applier& a, const Line& l) { return a.ClearParameters(l); }},
        {"param", [](Applier& a, const Line& l) { return a.DefineParameter(l); }},
        {"param.value", [](Applier& a, const Line& l) { return a.ParameterValue(l); }},
        {"param.option_base", [](Applier& a, const Line& l) { return a.ParameterOptionBase(l); }},
        {"rows", [](Applier& a, const Line& l) { return a.Rows(l); }},
        {"option", [](Applier& a, const Line& l) { return a.NumberedText(l, a.printer_.optionTexts); }},
        {"item_name", [](Applier& a, const Line& l) { return a.NumberedText(l, a.printer_.itemNames); }},
        {"status.word", [](Applier& a, const Line& l) { return a.StatusWord(l); }},
        {"toner.state", [](Applier& a, const Line& l) { return a.StatusHalf(l, 15, false, 0); }},
        {"toner.yield", [](Applier& a, const Line& l) { return a.StatusHalf(l, 15, true, -32768); }},
        {"toner.printed_a4", [](Applier& a, const Line& l) { return a.StatusHalf(l, 16, false, 0); }},
        {"toner.printed_a5", [](Applier& a, const Line& l) { return a.StatusHalf(l, 16, true, -32768); }},
        {"firmware", [](Applier& a, const Line& l) { return a.Firmware(l); }},
        {"id", [](Applier& a, const Line& l) { return a.Id(l); }},
        {"toner.record", [](Applier& a, const Line& l) { return a.TonerRecordBytes(l); }},
        {"toner.raw", [](Applier& a, const Line& l) { return a.TonerRaw(l); }},
        {"toner.type", [](Applier& a, const Line& l) { return a.TonerField(l, 2, 1); }},
        {"toner.chip_number", [](Applier& a, const Line& l) { return a.TonerField(l, 4, 2); }},
        {"toner.label", [](Applier& a, const Line& l) { return a.TonerLabel(l); }},
        {"toner.chip_names", [](Applier& a, const Line& l) { return a.ChipNames(l); }},
        {"blob", [](Applier& a, const Line& l) { return a.Blob(l, false); }},
        {"blob.raw", [](Applier& a, const Line& l) { return a.Blob(l, true); }},
    };
    return handlers;
  }

  PrinterModel& printer_;
};

}  // namespace

std::vector<std::string> ApplyScenario(std::string_view text, PrinterModel& printer) {
  std::vector<std::string> ignored;
  constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
  if (text.starts_with(BYTE_ORDER_MARK)) text.remove_prefix(BYTE_ORDER_MARK.size());
  Applier applier(printer);
  std::size_t number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const auto end = text.find('\n', start);
    const std::string_view raw = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() + 1 : end + 1;
    ++number;
    const std::string_view line = Trim(StripComment(raw));
    if (line.empty()) continue;
    std::string reason;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      reason = "expected key = value";
    } else {
      const std::string_view left = Trim(line.substr(0, equals));
      const auto space = left.find_first_of(" \t");
      const std::string_view key = left.substr(0, space);
      const std::string_view argument = space == std::string_view::npos ? std::string_view() : Trim(left.substr(space));
      reason = applier.Apply({key, argument, Trim(line.substr(equals + 1))});
    }
    if (!reason.empty()) {
      ignored.push_back("scenario: ignored line " + std::to_string(number) + ": " + std::string(line) + " (" + reason + ")");
    }
  }
  return ignored;
}

}  // namespace sim
