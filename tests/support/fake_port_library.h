// A scripted port library for native tests: a LibraryLoader whose library answers the four
// entry points from a FakePrinter and records every load, release and call.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "link/port_api.h"
#include "platform/library_loader.h"

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

struct FakeCall {
  std::string entryPoint;
  Bytes data;                     // frame or raw block as passed
  std::int32_t capacity = 0;      // UsbPrinterGetCmd only
  std::uint32_t lengthIn = 0;     // the reply length the caller preset
};

struct FakeReply {
  Bytes bytes;
  // Reported length; by default the number of bytes delivered.
  std::optional<std::uint32_t> reportedLength;
  std::uint8_t result = 1;
};

class FakePrinter {
 public:
  bool present = true;
  std::set<std::string> missingEntryPoints;
  std::uint8_t openResult = 1;
  std::map<Bytes, FakeReply> replies;  // by query frame; unknown frames answer nothing
  std::uint8_t setResult = 1;
  std::uint8_t writeResult = 1;
  // When set, the library never writes the reply length, as a broken library might.
  bool leavesLengthUnset = false;

  int loads = 0;
  int releases = 0;
  std::vector<FakeCall> calls;
  // When set, each entry point's name is also appended here, so a test can interleave the
  // library's calls with its own records.
  std::vector<std::string>* log = nullptr;

  std::vector<std::string> EntryPointsCalled() const {
    std::vector<std::string> names;
    for (const FakeCall& call : calls) names.push_back(call.entryPoint);
    return names;
  }

  // The loader that hands out this printer's library; only one FakePrinter may be live at a time.
  platform::LibraryLoader& Loader() { return loader_; }

  FakePrinter() { Current() = this; }
  ~FakePrinter() { Current() = nullptr; }
  FakePrinter(const FakePrinter&) = delete;
  FakePrinter& operator=(const FakePrinter&) = delete;

 private:
  static FakePrinter*& Current() {
    static FakePrinter* current = nullptr;
    return current;
  }

  void Record(FakeCall call) {
    if (log != nullptr) log->push_back(call.entryPoint);
    calls.push_back(std::move(call));
  }

  static std::uint8_t PRINTER_PORT_CALL Open() {
    Current()->Record({"OpenUSBPort", {}, 0, 0});
    return Current()->openResult;
  }
  static std::uint8_t PRINTER_PORT_CALL GetCmd(const std::uint8_t* frame, std::int32_t frameLength, std::uint8_t* reply,
                                               std::int32_t capacity, std::uint32_t* length) {
    FakePrinter& self = *Current();
    const Bytes key(frame, frame + frameLength);
    self.Record({"UsbPrinterGetCmd", key, capacity, *length});
    auto found = self.replies.find(key);
    if (found == self.replies.end()) {
      if (!self.leavesLengthUnset) *length = 0;
      return 0;
    }
    const FakeReply& answer = found->second;
    // Like a library that respects the buffer but may misreport what it wrote.
    const std::size_t delivered = std::min<std::size_t>(answer.bytes.size(), static_cast<std::size_t>(capacity));
    if (delivered > 0) std::memcpy(reply, answer.bytes.data(), delivered);
    if (!self.leavesLengthUnset) *length = answer.reportedLength.value_or(static_cast<std::uint32_t>(delivered));
    return answer.result;
  }
  static std::uint8_t PRINTER_PORT_CALL SetCmd(const std::uint8_t* frame, std::int32_t length) {
    Current()->Record({"UsbPrinterSetCmd", Bytes(frame, frame + length), 0, 0});
    return Current()->setResult;
  }
  static std::uint8_t PRINTER_PORT_CALL WriteUsb(const std::uint8_t* data, std::int32_t length) {
    Current()->Record({"PrinterWriteUsb", Bytes(data, data + length), 0, 0});
    return Current()->writeResult;
  }

  class Library final : public platform::LoadedLibrary {
   public:
    explicit Library(FakePrinter& printer) : printer_(printer) {}
    ~Library() override { ++printer_.releases; }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void* Symbol(const char* name) override {
      if (printer_.missingEntryPoints.count(name) != 0) return nullptr;
      const std::string entry(name);
      if (entry == printer_link::OPEN_USB_PORT) return reinterpret_cast<void*>(&Open);
      if (entry == printer_link::USB_PRINTER_GET_CMD) return reinterpret_cast<void*>(&GetCmd);
      if (entry == printer_link::USB_PRINTER_SET_CMD) return reinterpret_cast<void*>(&SetCmd);
      if (entry == printer_link::PRINTER_WRITE_USB) return reinterpret_cast<void*>(&WriteUsb);
      return nullptr;
    }

   private:
    FakePrinter& printer_;
  };

  class FakeLoader final : public platform::LibraryLoader {
   public:
    explicit FakeLoader(FakePrinter& printer) : printer_(printer) {}
    std::unique_ptr<platform::LoadedLibrary> Load(std::string_view baseName) override {
      if (!printer_.present || baseName != printer_link::PORT_LIBRARY_BASE_NAME) return nullptr;
      ++printer_.loads;
      return std::make_unique<Library>(printer_);
    }

   private:
    FakePrinter& printer_;
  };

  FakeLoader loader_{*this};
};

}  // namespace testing_support
