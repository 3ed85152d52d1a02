// One run of the program in a fresh folder of its own, watched from outside.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "tests/e2e/harness/windows.h"

namespace e2e {

// Every wait is bounded by this unless a test says otherwise.
constexpr DWORD kWaitMs = 20000;

struct ProgramSetup {
  std::wstring libraryDir;  // its port library is copied beside the program; empty: none
  std::string scenario;     // text of the simulator's scenario file; empty: none
};

struct Observation {
  std::vector<MessageBoxInfo> boxes;  // every message box seen, in order
  bool mainWindowShown = false;
  bool exited = false;
  DWORD exitCode = 0;
};

class ProgramRun {
 public:
  explicit ProgramRun(const ProgramSetup& setup);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  bool Start();
  DWORD ProcessId() const { return processId_; }
  const std::wstring& Folder() const { return folder_; }
  // The simulator's trace, one call per line.
  std::vector<std::string> TraceLines() const;

  // Answers each message box with OK (or its first button) until the program ends.
  const Observation& RunToExit(DWORD timeoutMs = kWaitMs);
  // The main window once it is visible; message boxes on the way are answered and recorded.
  HWND WaitForMainWindow(DWORD timeoutMs = kWaitMs);
  HWND WaitForDialog(const std::wstring& caption, DWORD timeoutMs = kWaitMs);
  bool WaitForExit(DWORD timeoutMs = kWaitMs);
  const Observation& Seen() const { return seen_; }

 private:
  void Poll(bool answerBoxes);

  std::wstring folder_;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  Observation seen_;
  std::set<HWND> answered_;
};

}  // namespace e2e
