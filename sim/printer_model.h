// Everything the simulated printer answers with, before it is laid out into replies.
// Texts are held as the printer sends them: 8-bit, code page 936.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

inline constexpr int STATUS_WORD_COUNT = 20;
inline constexpr int TONER_RECORD_SIZE = 32;
inline constexpr int TONER_RECORD_DATA = 30;  // the check value takes the last two bytes
inline constexpr int TONER_RECORD_COUNT = 3;
inline constexpr int MAX_EDS_INDEX = 255;     // row lists carry the index in one byte

struct Parameter {
  std::string name;
  std::int32_t lower = 0;
  std::int32_t upper = 0;
  std::int32_t defaultValue = 0;
  std::int32_t value = -1;              // -1 stands for the default
  std::vector<std::string> options;     // one per value lower..upper; none for plain numbers
  std::optional<int> optionBase;        // pins the option-text number of value 0
  friend bool operator==(const Parameter&, const Parameter&) = default;
};

using Bytes = std::vector<std::uint8_t>;
using TonerRecord = std::array<std::uint8_t, TONER_RECORD_SIZE>;

struct PrinterModel {
  std::uint8_t openResult = 1;
  std::uint8_t getResult = 1;
  std::map<Bytes, Bytes> replies;               // raw replies by exact frame
  std::map<Bytes, std::uint32_t> lengths;       // reported lengths by exact frame

  std::map<int, Parameter> parameters;          // by EDS index
  std::optional<std::vector<int>> rows;         // EDS index per row; default: every parameter in order
  std::map<int, std::string> optionTexts;       // explicit option texts by number
  std::map<int, std::string> itemNames;         // explicit row names by row number

  std::array<std::int32_t, STATUS_WORD_COUNT> statusWords{};
  std::string firmware;
  std::array<std::uint32_t, 4> printerId{};
  std::array<TonerRecord, TONER_RECORD_COUNT> tonerRecords{};
  bool tonerRaw = false;                        // keep the records' own check values
  std::vector<std::string> chipNames;           // option texts from chipNameBase (word 19) on

  Bytes blob;
  bool blobRaw = false;                         // the blob already carries its check value
  friend bool operator==(const PrinterModel&, const PrinterModel&) = default;
};

// The printer that answers when no scenario says otherwise.
PrinterModel BuiltInPrinter();

}  // namespace sim
