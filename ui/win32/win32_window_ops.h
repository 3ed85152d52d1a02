// The window operations over one dialog or page window; controls are found by ID.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/window_ops.h"

namespace ui::win32 {

class Win32WindowOps final : public ui::WindowOps {
 public:
  explicit Win32WindowOps(HWND window) : window_(window) {}
  ~Win32WindowOps() override;
  Win32WindowOps(const Win32WindowOps&) = delete;
  Win32WindowOps& operator=(const Win32WindowOps&) = delete;

  void AppMessage(std::u16string_view text) override;
  Answer OwnedMessage(std::u16string_view text, std::optional<std::u16string_view> caption, Buttons buttons,
                      Icon icon) override;

  void SetText(ControlId id, std::u16string_view text) override;
  void Show(ControlId id, bool visible) override;
  void Enable(ControlId id, bool enabled) override;

  void ComboInsert(ControlId id, int index, std::u16string_view text) override;
  void ComboSetCurSel(ControlId id, int index) override;
  int ComboGetCurSel(ControlId id) override;
  void ComboSetItemHeight(ControlId id, int height) override;
  void ComboSetDroppedHeight(ControlId id, int height) override;

  void ProgressSetRange(ControlId id, int low, int high) override;
  void ProgressSetStep(ControlId id, int step) override;
  void ProgressSetPos(ControlId id, int position) override;

  void CreateLabel(Rect rect, std::uint32_t style, std::u16string_view text, const FontDesc& font) override;
  void CreateDropDown(ControlId id, Rect rect, std::uint32_t style) override;

 private:
  HWND Control(ControlId id) const { return GetDlgItem(window_, id); }
  HFONT Font(const FontDesc& wanted);

  HWND window_;
  // Fonts of the labels made here; they must outlive those labels, so they live as long as
  // this object, which lives as long as the window.
  std::vector<std::pair<FontDesc, HFONT>> fonts_;
};

}  // namespace ui::win32
