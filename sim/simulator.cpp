#include "sim/simulator.h"

#include <algorithm>
#include <span>

#include "link/frames.h"
#include "link/port_api.h"
#include "sim/host.h"
#include "sim/scenario.h"
#include "sim/state_file.h"

namespace sim {
namespace {

std::span<const std::uint8_t> View(const std::uint8_t* data, std::int32_t length) {
  if (data == nullptr || length <= 0) return {};
  return {data, static_cast<std::size_t>(length)};
}

std::string Hex(std::span<const std::uint8_t> bytes) {
  static constexpr char DIGITS[] = "0123456789ABCDEF";
  std::string text;
  for (std::uint8_t byte : bytes) {
    text += ' ';
    text += DIGITS[byte >> 4];
    text += DIGITS[byte & 0x0F];
  }
  return text;
}

bool SameFrame(std::span<const std::uint8_t> frame, const printer_link::ControlFrame& control) {
  return std::equal(frame.begin(), frame.end(), control.begin(), control.end());
}

bool IsPrinterAction(std::span<const std::uint8_t> frame) {
  const printer_link::ControlFrame cancel = printer_link::CTRL_PRINTER_ACTION(printer_link::ACTION_CANCEL_PRINT);
  const printer_link::ControlFrame restart = printer_link::CTRL_PRINTER_ACTION(printer_link::ACTION_RESTART_PRINTER);
  return SameFrame(frame, cancel) || SameFrame(frame, restart);
}

}  // namespace

Environment Environment::FromProcess() {
  return {EnvironmentVariable("PRINTER_SIM_SCENARIO"), EnvironmentVariable("PRINTER_SIM_TRACE"),
          EnvironmentVariable("PRINTER_SIM_STATE")};
}

void Simulator::Load(const Environment& environment) {
  environment_ = environment;
  printer_ = BuiltInPrinter();
  if (!environment_.scenarioPath.empty()) {
    const auto text = ReadTextFile(environment_.scenarioPath);
    if (!text) {
      Trace("scenario: cannot read " + environment_.scenarioPath);
    } else {
      for (const std::string& line : ApplyScenario(*text, printer_)) Trace(line);
    }
  }
  layout_ = LayOut(printer_);
  defaults_ = ParameterValues(printer_);
  values_ = defaults_;

  std::optional<std::vector<std::int32_t>> saved = savedInMemory_;
  if (!environment_.statePath.empty()) saved = ReadStateFile(environment_.statePath);
  if (saved) {
    // Values saved for a different table (another scenario) would be read against the wrong
    // parameters, so they are set aside rather than applied.
    if (saved->size() == values_.size()) {
      values_ = *saved;
    } else {
      Trace("state: ignored " + std::to_string(saved->size()) + " saved values for " +
            std::to_string(values_.size()) + " parameters");
    }
  }
  saveCommandSeen_ = false;
  loaded_ = true;
}

std::uint8_t Simulator::OpenUSBPort() {
  saveCommandSeen_ = false;
  const std::uint8_t result = printer_.openResult;
  Trace(std::string(printer_link::OPEN_USB_PORT) + " -> " + std::to_string(result));
  return result;
}

std::uint8_t Simulator::UsbPrinterGetCmd(const std::uint8_t* frame, std::int32_t frameLength, std::uint8_t* reply,
                                         std::int32_t replyCapacity, std::uint32_t* replyLength) {
  const auto frameBytes = View(frame, frameLength);
  const sim::Bytes key(frameBytes.begin(), frameBytes.end());
  std::optional<sim::Bytes> answer;
  const auto raw = printer_.replies.find(key);
  if (raw != printer_.replies.end()) {
    answer = raw->second;
  } else {
    answer = BuiltInReply(printer_, layout_, values_, frameBytes);
  }
  const std::uint8_t result = answer ? printer_.getResult : 0;

  const std::size_t capacity = reply == nullptr || replyCapacity <= 0 ? 0 : static_cast<std::size_t>(replyCapacity);
  const std::size_t written = answer ? std::min(answer->size(), capacity) : 0;
  if (written > 0) std::copy_n(answer->begin(), written, reply);
  const auto length = printer_.lengths.find(key);
  const std::uint32_t reported = length != printer_.lengths.end() ? length->second : static_cast<std::uint32_t>(written);
  if (replyLength != nullptr) *replyLength = reported;

  Trace(std::string(printer_link::USB_PRINTER_GET_CMD) + Hex(frameBytes) + " capacity=" + std::to_string(replyCapacity) +
        " length=" + std::to_string(reported) + " -> " + std::to_string(result));
  return result;
}

std::uint8_t Simulator::UsbPrinterSetCmd(const std::uint8_t* frame, std::int32_t length) {
  const auto frameBytes = View(frame, length);
  std::uint8_t result = 1;
  saveCommandSeen_ = false;
  if (SameFrame(frameBytes, printer_link::CTRL_SAVE_PARAMS)) {
    saveCommandSeen_ = true;
  } else if (SameFrame(frameBytes, printer_link::CTRL_RESTORE_DEFAULTS)) {
    RestoreDefaults();
  } else if (!SameFrame(frameBytes, printer_link::CTRL_PARAM_READ_START) && !IsPrinterAction(frameBytes)) {
    result = 0;
  }
  Trace(std::string(printer_link::USB_PRINTER_SET_CMD) + Hex(frameBytes) + " -> " + std::to_string(result));
  return result;
}

std::uint8_t Simulator::PrinterWriteUsb(const std::uint8_t* data, std::int32_t length) {
  const auto block = View(data, length);
  const bool isParameterBlock = saveCommandSeen_;
  saveCommandSeen_ = false;
  std::uint8_t result = 1;
  // Without a save command before it the data is a print job, which the printer just takes.
  if (isParameterBlock) {
    const std::size_t count = values_.size();
    if (block.size() % 4 != 0 || block.size() / 4 != count) {
      Trace("state: ignored parameter block of " + std::to_string(block.size()) + " bytes for " +
            std::to_string(count) + " parameters");
      result = 0;
    } else {
      AcceptParameterBlock({block.begin(), block.end()});
    }
  }
  Trace(std::string(printer_link::PRINTER_WRITE_USB) + Hex(block) + " -> " + std::to_string(result));
  return result;
}

void Simulator::AcceptParameterBlock(const std::vector<std::uint8_t>& block) {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    std::uint32_t bits = 0;
    for (std::size_t b = 0; b < 4; ++b) bits |= static_cast<std::uint32_t>(block[4 * i + b]) << (8 * b);
    values_[i] = static_cast<std::int32_t>(bits);
  }
  if (environment_.statePath.empty()) {
    savedInMemory_ = values_;
  } else if (!WriteStateFile(environment_.statePath, values_)) {
    Trace("state: cannot write " + environment_.statePath);
  }
}

void Simulator::RestoreDefaults() {
  values_ = defaults_;
  savedInMemory_.reset();
  if (!environment_.statePath.empty()) RemoveFile(environment_.statePath);
}

void Simulator::Trace(const std::string& line) const {
  if (environment_.tracePath.empty()) return;
  // Opened and closed per line: the library lives only for one operation, and several
  // processes may append to the same trace.
  std::FILE* file = OpenFile(environment_.tracePath, "ab");
  if (file == nullptr) return;
  const std::string text = line + '\n';
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

}  // namespace sim
