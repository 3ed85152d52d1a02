#include "sim/replies.h"

#include <algorithm>

#include "link/frames.h"
#include "sim/crc.h"

namespace sim {
namespace {

void Put32(Bytes& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

Bytes ZeroTerminated(const std::string& text) {
  Bytes out(text.begin(), text.end());
  out.push_back(0);
  return out;
}

std::size_t TableSize(const PrinterModel& printer) {
  return printer.parameters.empty() ? 0 : static_cast<std::size_t>(printer.parameters.rbegin()->first) + 1;
}

Bytes EdsTable(const PrinterModel& printer) {
  Bytes out;
  for (std::size_t index = 0; index < TableSize(printer); ++index) {
    const auto found = printer.parameters.find(static_cast<int>(index));
    // An index between defined parameters holds a record that offers only 0.
    const Parameter gap{};
    const Parameter& parameter = found == printer.parameters.end() ? gap : found->second;
    Put32(out, static_cast<std::uint32_t>(parameter.upper));
    Put32(out, static_cast<std::uint32_t>(parameter.lower));
    Put32(out, static_cast<std::uint32_t>(parameter.defaultValue));
  }
  return out;
}

Bytes RowList(const PrinterLayout& layout, int list) {
  Bytes out{static_cast<std::uint8_t>(layout.rows.size())};
  for (const Row& row : layout.rows) out.push_back(static_cast<std::uint8_t>(list == 0 ? row.edsIndex : row.optionBase));
  return out;
}

Bytes TonerChips(const PrinterModel& printer) {
  Bytes out;
  for (const TonerRecord& record : printer.tonerRecords) {
    const TonerRecord sent = printer.tonerRaw ? record : SealedTonerRecord(record);
    out.insert(out.end(), sent.begin(), sent.end());
  }
  return out;
}

std::optional<Bytes> Text(const std::map<int, std::string>& texts, int number) {
  const auto found = texts.find(number);
  if (found == texts.end()) return std::nullopt;
  return ZeroTerminated(found->second);
}

std::optional<Bytes> FixedReply(const PrinterModel& printer, std::span<const std::int32_t> values, std::uint8_t item) {
  Bytes out;
  if (item == printer_link::QUERY_FIRMWARE_VERSION.frame.bytes[2]) return ZeroTerminated(printer.firmware);
  if (item == printer_link::QUERY_EDS_TABLE.frame.bytes[2]) return EdsTable(printer);
  if (item == printer_link::QUERY_PNT_PARAMS.frame.bytes[2]) {
    for (std::int32_t value : values) Put32(out, static_cast<std::uint32_t>(value));
    return out;
  }
  if (item == printer_link::QUERY_EDS_BLOB.frame.bytes[2]) return BlobReply(printer);
  if (item == printer_link::QUERY_STATUS_WORDS.frame.bytes[2]) {
    for (std::int32_t word : printer.statusWords) Put32(out, static_cast<std::uint32_t>(word));
    return out;
  }
  if (item == printer_link::QUERY_TONER_CHIPS.frame.bytes[2]) return TonerChips(printer);
  if (item == printer_link::QUERY_PRINTER_ID.frame.bytes[2]) {
    for (std::uint32_t word : printer.printerId) Put32(out, word);
    return out;
  }
  return std::nullopt;
}

}  // namespace

PrinterLayout LayOut(const PrinterModel& printer) {
  PrinterLayout layout;
  std::map<int, int> bases;
  // Option texts are numbered from 1 in parameter order unless a parameter pins its base.
  int next = 1;
  for (const auto& [index, parameter] : printer.parameters) {
    if (parameter.options.empty()) continue;
    const int base = parameter.optionBase.value_or(std::max(next - parameter.lower, 0));
    const bool pinned = parameter.optionBase.has_value();
    const long long first = static_cast<long long>(base) + parameter.lower;
    const long long last = static_cast<long long>(base) + parameter.upper;
    // Unpinned numbers must fit in a byte; a pinned base may wrap, as the frame does.
    if (base < 0 || base >= NO_OPTION_TEXT || (!pinned && (first < 0 || last > 0xFF))) continue;
    bases[index] = base;
    for (std::size_t j = 0; j < parameter.options.size(); ++j) {
      layout.optionTexts[static_cast<int>((first + static_cast<long long>(j)) & 0xFF)] = parameter.options[j];
    }
    if (!pinned) next = static_cast<int>(last) + 1;
  }

  const std::int32_t chipNameBase = printer.statusWords[19];
  if (chipNameBase != 0) {
    for (std::size_t j = 0; j < printer.chipNames.size(); ++j) {
      layout.optionTexts[static_cast<int>((static_cast<std::int64_t>(chipNameBase) + static_cast<std::int64_t>(j)) & 0xFF)] =
          printer.chipNames[j];
    }
  }
  for (const auto& [number, text] : printer.optionTexts) layout.optionTexts[number] = text;

  std::vector<int> rowIndices;
  if (printer.rows) {
    rowIndices = *printer.rows;
  } else {
    for (const auto& entry : printer.parameters) rowIndices.push_back(entry.first);
  }
  for (std::size_t i = 0; i < rowIndices.size(); ++i) {
    const int index = rowIndices[i];
    const auto base = bases.find(index);
    layout.rows.push_back({index, base == bases.end() ? NO_OPTION_TEXT : base->second});
    const auto parameter = printer.parameters.find(index);
    if (parameter != printer.parameters.end()) layout.itemNames[static_cast<int>(i)] = parameter->second.name;
  }
  for (const auto& [row, name] : printer.itemNames) layout.itemNames[row] = name;
  return layout;
}

std::vector<std::int32_t> ParameterValues(const PrinterModel& printer) {
  std::vector<std::int32_t> values(TableSize(printer), 0);
  for (const auto& [index, parameter] : printer.parameters) values[static_cast<std::size_t>(index)] = parameter.value;
  return values;
}

Bytes BlobReply(const PrinterModel& printer) {
  Bytes out = printer.blob;
  if (printer.blobRaw) return out;
  Put32(out, Crc16Modbus(printer.blob));
  return out;
}

TonerRecord SealedTonerRecord(const TonerRecord& record) {
  TonerRecord sealed = record;
  const std::uint16_t check = ChipCrc16(std::span(record).first(TONER_RECORD_DATA));
  sealed[TONER_RECORD_DATA] = static_cast<std::uint8_t>(check);
  sealed[TONER_RECORD_DATA + 1] = static_cast<std::uint8_t>(check >> 8);
  return sealed;
}

std::optional<Bytes> BuiltInReply(const PrinterModel& printer, const PrinterLayout& layout,
                                  std::span<const std::int32_t> values, std::span<const std::uint8_t> frame) {
  if (frame.size() != 3 || frame[0] != printer_link::QUERY_MARK) return std::nullopt;
  const std::uint8_t number = frame[2];
  switch (frame[1]) {
    case printer_link::GROUP_FIXED:
      return FixedReply(printer, values, number);
    case printer_link::GROUP_OPTION_TEXT:
      return Text(layout.optionTexts, number);
    case printer_link::GROUP_ROW_LIST:
      if (number > 1) return std::nullopt;
      return RowList(layout, number);
    case printer_link::GROUP_ITEM_NAME:
      return Text(layout.itemNames, number);
    default:
      return std::nullopt;
  }
}

}  // namespace sim
