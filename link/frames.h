// Every request the program makes of the printer: query frames with their reply capacity,
// control frames, and the raw parameter block.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace printer_link {

inline constexpr std::uint8_t QUERY_MARK = 0x17;
inline constexpr std::uint8_t CONTROL_MARK = 0x18;

inline constexpr std::uint8_t GROUP_FIXED = 0x00;
inline constexpr std::uint8_t GROUP_OPTION_TEXT = 0x01;
inline constexpr std::uint8_t GROUP_ROW_LIST = 0x02;
inline constexpr std::uint8_t GROUP_ITEM_NAME = 0x03;

struct QueryFrame {
  std::array<std::uint8_t, 3> bytes;

  // Only the low 8 bits of the number travel; the printer numbers texts and lists in a byte.
  constexpr QueryFrame(std::uint8_t group, std::int32_t number)
      : bytes{QUERY_MARK, group, static_cast<std::uint8_t>(number & 0xFF)} {}
  friend constexpr bool operator==(const QueryFrame&, const QueryFrame&) = default;
};

// A query together with the size of the reply buffer it is sent with.
struct QueryRequest {
  QueryFrame frame;
  std::uint32_t capacity;
};

using ControlFrame = std::array<std::uint8_t, 8>;

inline constexpr QueryRequest QUERY_FIRMWARE_VERSION{{GROUP_FIXED, 0x00}, 512};
inline constexpr QueryRequest QUERY_EDS_TABLE{{GROUP_FIXED, 0x01}, 1536};
inline constexpr QueryRequest QUERY_PNT_PARAMS{{GROUP_FIXED, 0x02}, 512};
inline constexpr QueryRequest QUERY_EDS_BLOB{{GROUP_FIXED, 0x03}, 512};
inline constexpr QueryRequest QUERY_STATUS_WORDS{{GROUP_FIXED, 0x04}, 80};
inline constexpr QueryRequest QUERY_TONER_CHIPS{{GROUP_FIXED, 0x07}, 4096};
inline constexpr QueryRequest QUERY_PRINTER_ID{{GROUP_FIXED, 0x08}, 16};

inline constexpr std::uint32_t OPTION_TEXT_CAPACITY = 512;
inline constexpr std::uint32_t ROW_LIST_CAPACITY = 1960;
inline constexpr std::uint32_t ITEM_NAME_CAPACITY = 1960;

constexpr QueryRequest QUERY_OPTION_TEXT(std::int32_t n) { return {{GROUP_OPTION_TEXT, n}, OPTION_TEXT_CAPACITY}; }
constexpr QueryRequest QUERY_ROW_LIST(std::int32_t k) { return {{GROUP_ROW_LIST, k}, ROW_LIST_CAPACITY}; }
constexpr QueryRequest QUERY_ITEM_NAME(std::int32_t i) { return {{GROUP_ITEM_NAME, i}, ITEM_NAME_CAPACITY}; }

inline constexpr ControlFrame CTRL_PARAM_READ_START{CONTROL_MARK, 0x00, 0x03, 0x03, 0x04, 0x05, 0x06, 0x07};
inline constexpr ControlFrame CTRL_SAVE_PARAMS{CONTROL_MARK, 0x01, 0x00, 0x08, 0x09, 0x0A, 0x0B, 0x0C};
inline constexpr ControlFrame CTRL_RESTORE_DEFAULTS{CONTROL_MARK, 0x01, 0x01, 0x08, 0x09, 0x0A, 0x0B, 0x0C};

inline constexpr std::uint8_t CTRL_PRINTER_ACTION_COMMAND = 0x04;
inline constexpr std::uint32_t ACTION_CANCEL_PRINT = 0;
inline constexpr std::uint32_t ACTION_RESTART_PRINTER = 1;

// Bytes 4 to 7 carry the action code, lowest byte first.
constexpr ControlFrame CTRL_PRINTER_ACTION(std::uint32_t action) {
  return {CONTROL_MARK,
          CTRL_PRINTER_ACTION_COMMAND,
          0x00,
          0x10,
          static_cast<std::uint8_t>(action),
          static_cast<std::uint8_t>(action >> 8),
          static_cast<std::uint8_t>(action >> 16),
          static_cast<std::uint8_t>(action >> 24)};
}

// The parameter block that follows CTRL_SAVE_PARAMS: every value, 32-bit little-endian, in table order.
std::vector<std::uint8_t> ParameterBlock(std::span<const std::int32_t> values);

}  // namespace printer_link
