#include "tests/e2e/harness/program_run.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/harness/paths.h"

namespace e2e {
namespace {

constexpr DWORD kPollMs = 10;
const wchar_t kLibraryName[] = L"VarneskDotPrinterUSBPort21.dll";

std::filesystem::path FreshFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::filesystem::path folder = std::filesystem::path(temp) /
      (L"printer-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

void SetSimulatorVariable(const wchar_t* name, const std::filesystem::path& value, bool present) {
  SetEnvironmentVariableW(name, present ? value.c_str() : nullptr);
}

}  // namespace

ProgramRun::ProgramRun(const ProgramSetup& setup) {
  const std::filesystem::path folder = FreshFolder();
  folder_ = folder.wstring();
  const std::filesystem::path program = ProgramPath();
  std::filesystem::copy_file(program, folder / program.filename());
  if (!setup.libraryDir.empty()) {
    std::filesystem::copy_file(std::filesystem::path(setup.libraryDir) / kLibraryName, folder / kLibraryName);
  }
  if (!setup.scenario.empty()) {
    std::ofstream(folder / L"scenario.txt", std::ios::binary) << setup.scenario;
  }
  // The child inherits these; the program itself never reads them, only the simulator does.
  SetSimulatorVariable(L"PRINTER_SIM_SCENARIO", folder / L"scenario.txt", !setup.scenario.empty());
  SetSimulatorVariable(L"PRINTER_SIM_TRACE", folder / L"trace.txt", true);
  SetSimulatorVariable(L"PRINTER_SIM_STATE", folder / L"state.txt", true);
}

ProgramRun::~ProgramRun() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, kWaitMs);
    }
    CloseHandle(process_);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

bool ProgramRun::Start() {
  std::wstring commandLine = L"\"" + (std::filesystem::path(folder_) / std::filesystem::path(ProgramPath()).filename()).wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  return true;
}

std::vector<std::string> ProgramRun::TraceLines() const {
  std::ifstream file(std::filesystem::path(folder_) / L"trace.txt", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void ProgramRun::Poll(bool answerBoxes) {
  if (!seen_.exited && WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
    seen_.exited = true;
    GetExitCodeProcess(process_, &seen_.exitCode);
  }
  for (HWND window : TopLevelWindows(processId_)) {
    if (!IsWindowVisible(window) || !IsDialog(window)) continue;
    if (IsMainWindow(window)) {
      seen_.mainWindowShown = true;
      continue;
    }
    if (!answerBoxes || answered_.contains(window)) continue;
    MessageBoxInfo box = ReadMessageBox(window);
    const bool hasOk = std::find(box.buttons.begin(), box.buttons.end(), IDOK) != box.buttons.end();
    const int answer = hasOk || box.buttons.empty() ? IDOK : box.buttons.front();
    seen_.boxes.push_back(std::move(box));
    answered_.insert(window);
    PressButton(window, answer);
  }
}

const Observation& ProgramRun::RunToExit(DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!seen_.exited && GetTickCount64() < end) {
    Poll(true);
    Sleep(kPollMs);
  }
  return seen_;
}

HWND ProgramRun::WaitForMainWindow(DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!seen_.exited && GetTickCount64() < end) {
    Poll(true);
    for (HWND window : TopLevelWindows(processId_)) {
      if (IsMainWindow(window) && IsWindowVisible(window)) return window;
    }
    Sleep(kPollMs);
  }
  return nullptr;
}

HWND ProgramRun::WaitForDialog(const std::wstring& caption, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < end) {
    HWND dialog = FindDialogByCaption(processId_, caption);
    if (dialog && IsWindowVisible(dialog)) return dialog;
    if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) break;
    Sleep(kPollMs);
  }
  return nullptr;
}

bool ProgramRun::WaitForExit(DWORD timeoutMs) {
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  seen_.exited = true;
  GetExitCodeProcess(process_, &seen_.exitCode);
  return true;
}

}  // namespace e2e
