// Lays the printer model out into the reply bytes of each query frame.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "sim/printer_model.h"

namespace sim {

inline constexpr int NO_OPTION_TEXT = 0xFF;

struct Row {
  int edsIndex = 0;
  int optionBase = NO_OPTION_TEXT;
};

// What the model implies beyond its own fields: the rows with their option bases and every
// option text by the 8-bit number that travels in the frame.
struct PrinterLayout {
  std::vector<Row> rows;
  std::map<int, std::string> optionTexts;
  std::map<int, std::string> itemNames;
};

PrinterLayout LayOut(const PrinterModel& printer);

// The values in table order: one per EDS index up to the highest defined parameter.
std::vector<std::int32_t> ParameterValues(const PrinterModel& printer);

// The built-in answer to a query frame, or none when the printer does not know the frame.
std::optional<Bytes> BuiltInReply(const PrinterModel& printer, const PrinterLayout& layout,
                                  std::span<const std::int32_t> values, std::span<const std::uint8_t> frame);

// The blob as sent: data followed by its check value, unless the model gives it raw.
Bytes BlobReply(const PrinterModel& printer);
TonerRecord SealedTonerRecord(const TonerRecord& record);

}  // namespace sim
