// The simulated printer behind the four entry points: answers from the built-in printer or
// a scenario, keeps saved parameter values, and traces every call.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/printer_model.h"
#include "sim/replies.h"

namespace sim {

// Where the simulator's three files are; an empty path means that file is not used.
struct Environment {
  std::string scenarioPath;
  std::string tracePath;
  std::string statePath;

  // From PRINTER_SIM_SCENARIO, PRINTER_SIM_TRACE and PRINTER_SIM_STATE.
  static Environment FromProcess();
};

class Simulator {
 public:
  // Reads the scenario and the saved values afresh. Saved values kept in memory (no state
  // file) survive a reload.
  void Load(const Environment& environment);
  bool Loaded() const { return loaded_; }

  std::uint8_t OpenUSBPort();
  std::uint8_t UsbPrinterGetCmd(const std::uint8_t* frame, std::int32_t frameLength, std::uint8_t* reply,
                                std::int32_t replyCapacity, std::uint32_t* replyLength);
  std::uint8_t UsbPrinterSetCmd(const std::uint8_t* frame, std::int32_t length);
  std::uint8_t PrinterWriteUsb(const std::uint8_t* data, std::int32_t length);

  // The current parameter values, in table order.
  const std::vector<std::int32_t>& Values() const { return values_; }

 private:
  void Trace(const std::string& line) const;
  void AcceptParameterBlock(const std::vector<std::uint8_t>& block);
  void RestoreDefaults();

  bool loaded_ = false;
  Environment environment_;
  PrinterModel printer_;
  PrinterLayout layout_;
  std::vector<std::int32_t> defaults_;  // the values the built-in printer or the scenario gives
  std::vector<std::int32_t> values_;
  std::optional<std::vector<std::int32_t>> savedInMemory_;
  bool saveCommandSeen_ = false;        // the next PrinterWriteUsb carries the parameter block
};

}  // namespace sim
