#include "ui/win32/win32_window_ops.h"

#include <algorithm>

#include "ui/win32/combo_box.h"
#include "ui/win32/message_box.h"
#include "ui/win32/progress_bar.h"
#include "ui/win32/window.h"

namespace ui::win32 {

Win32WindowOps::~Win32WindowOps() {
  for (const auto& entry : fonts_) DeleteObject(entry.second);
}

void Win32WindowOps::AppMessage(std::u16string_view text) {
  // Owned by the top-level window, so that window cannot be used while the box is up.
  AppMessageBox(GetAncestor(window_, GA_ROOT), text);
}

Answer Win32WindowOps::OwnedMessage(std::u16string_view text, std::optional<std::u16string_view> caption,
                                    Buttons buttons, Icon icon) {
  UINT type = buttons == Buttons::YesNo ? MB_YESNO : MB_OK;
  if (icon == Icon::Warning) type |= MB_ICONWARNING;
  switch (OwnedMessageBox(window_, text, caption, type)) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    default:
      return Answer::Ok;
  }
}

void Win32WindowOps::SetText(ControlId id, std::u16string_view text) { Window(Control(id)).SetText(text); }

void Win32WindowOps::Show(ControlId id, bool visible) { Window(Control(id)).Show(visible); }

void Win32WindowOps::Enable(ControlId id, bool enabled) { EnableWindow(Control(id), enabled ? TRUE : FALSE); }

void Win32WindowOps::ComboInsert(ControlId id, int index, std::u16string_view text) {
  ComboBox(Control(id)).InsertString(index, text);
}

void Win32WindowOps::ComboSetCurSel(ControlId id, int index) { ComboBox(Control(id)).SetCurSel(index); }

int Win32WindowOps::ComboGetCurSel(ControlId id) {
  // A missing control has no selection; SendMessage to no window would answer 0, a real index.
  HWND combo = Control(id);
  return combo == nullptr ? CB_ERR : ComboBox(combo).GetCurSel();
}

void Win32WindowOps::ComboSetItemHeight(ControlId id, int height) { ComboBox(Control(id)).SetItemHeight(0, height); }

void Win32WindowOps::ComboSetDroppedHeight(ControlId id, int height) {
  // A drop-down list's window height is its height when dropped; keep left, top and width.
  HWND combo = Control(id);
  RECT rect{};
  GetWindowRect(combo, &rect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
  MoveWindow(combo, rect.left, rect.top, rect.right - rect.left, height, TRUE);
}

void Win32WindowOps::ProgressSetRange(ControlId id, int low, int high) { ProgressBar(Control(id)).SetRange32(low, high); }

void Win32WindowOps::ProgressSetStep(ControlId id, int step) { ProgressBar(Control(id)).SetStep(step); }

void Win32WindowOps::ProgressSetPos(ControlId id, int position) { ProgressBar(Control(id)).SetPos(position); }

HFONT Win32WindowOps::Font(const FontDesc& wanted) {
  auto found = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& entry) { return entry.first == wanted; });
  if (found != fonts_.end()) return found->second;
  LOGFONTW logFont{};
  logFont.lfHeight = wanted.height;
  logFont.lfWeight = wanted.weight;
  logFont.lfCharSet = wanted.charSet;
  logFont.lfPitchAndFamily = wanted.pitchAndFamily;
  // lfFaceName holds at most 31 characters and its terminator.
  const std::size_t length = std::min<std::size_t>(wanted.faceName.size(), LF_FACESIZE - 1);
  std::copy_n(wanted.faceName.begin(), length, logFont.lfFaceName);
  HFONT font = CreateFontIndirectW(&logFont);
  if (font != nullptr) fonts_.emplace_back(wanted, font);
  return font;
}

void Win32WindowOps::CreateLabel(Rect rect, std::uint32_t style, std::u16string_view text, const FontDesc& font) {
  HWND label = CreateWindowExW(0, L"STATIC", Wide(text).c_str(), style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, window_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(NO_CONTROL_ID)),
                               GetModuleHandleW(nullptr), nullptr);
  if (label != nullptr) SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(Font(font)), TRUE);
}

void Win32WindowOps::CreateDropDown(ControlId id, Rect rect, std::uint32_t style) {
  HWND combo = CreateWindowExW(0, L"COMBOBOX", L"", style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, window_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (combo != nullptr) SendMessageW(combo, WM_SETFONT, SendMessageW(window_, WM_GETFONT, 0, 0), TRUE);
}

}  // namespace ui::win32
