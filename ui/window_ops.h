// The window operations that the program's operations are written against. One instance
// stands for one window (the main window or a page); controls are addressed by their ID.
// The Win32 side implements it over window handles; native tests use a recording fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

using ControlId = int;

// Labels made at run time share this "no ID" value.
inline constexpr ControlId NO_CONTROL_ID = 0xFFFF;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

// A GDI-style logical font, as the settings rows ask for theirs.
struct FontDesc {
  int height = 0;
  int weight = 400;
  std::uint8_t charSet = 0;
  std::uint8_t pitchAndFamily = 0;
  std::u16string faceName;
  friend bool operator==(const FontDesc&, const FontDesc&) = default;
};

class WindowOps {
 public:
  virtual ~WindowOps() = default;

  // Application message box: the program's name as caption, an OK button and the warning icon.
  virtual void AppMessage(std::u16string_view text) = 0;
  // A box owned by this window; without a caption of its own it carries the program's name.
  virtual Answer OwnedMessage(std::u16string_view text, std::optional<std::u16string_view> caption,
                              Buttons buttons, Icon icon) = 0;

  virtual void SetText(ControlId id, std::u16string_view text) = 0;
  virtual void Show(ControlId id, bool visible) = 0;
  virtual void Enable(ControlId id, bool enabled) = 0;

  virtual void ComboInsert(ControlId id, int index, std::u16string_view text) = 0;
  virtual void ComboSetCurSel(ControlId id, int index) = 0;
  // -1 when nothing is selected.
  virtual int ComboGetCurSel(ControlId id) = 0;
  virtual void ComboSetItemHeight(ControlId id, int height) = 0;
  // Height of the drop-down including its selection field, keeping its left, top and width.
  virtual void ComboSetDroppedHeight(ControlId id, int height) = 0;

  virtual void ProgressSetRange(ControlId id, int low, int high) = 0;
  virtual void ProgressSetStep(ControlId id, int step) = 0;
  virtual void ProgressSetPos(ControlId id, int position) = 0;

  // Controls made at run time, at a rectangle in pixels of the window's client area.
  virtual void CreateLabel(Rect rect, std::uint32_t style, std::u16string_view text, const FontDesc& font) = 0;
  // The drop-down takes the window's own font.
  virtual void CreateDropDown(ControlId id, Rect rect, std::uint32_t style) = 0;
};

}  // namespace ui
