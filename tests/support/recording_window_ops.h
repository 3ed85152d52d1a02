// A WindowOps that remembers what was done to each control and records every call in order,
// with scripted answers for the boxes that ask.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "tests/support/text.h"
#include "ui/window_ops.h"

namespace testing_support {

struct MessageRecord {
  std::u16string text;
  std::optional<std::u16string> caption;  // none for application boxes and program-name boxes
  ui::Buttons buttons = ui::Buttons::Ok;
  ui::Icon icon = ui::Icon::Warning;
  bool application = false;
};

struct CreatedLabel {
  ui::Rect rect;
  std::uint32_t style = 0;
  std::u16string text;
  ui::FontDesc font;
};

struct ComboState {
  ui::Rect rect;
  std::uint32_t style = 0;
  std::vector<std::u16string> items;
  int selection = -1;
  int itemHeight = 0;
  int droppedHeight = 0;
};

struct ProgressState {
  int low = 0;
  int high = 100;
  int step = 10;
  int position = 0;
};

class RecordingWindowOps : public ui::WindowOps {
 public:
  // Every call, in order, as readable UTF-8 ("SetText 1004 abc", "Show 1006 0", ...).
  std::vector<std::string> calls;
  std::vector<MessageRecord> messages;
  std::map<ui::ControlId, std::u16string> texts;
  std::map<ui::ControlId, bool> visible;
  std::map<ui::ControlId, bool> enabled;
  std::map<ui::ControlId, ComboState> combos;
  std::map<ui::ControlId, ProgressState> progress;
  std::vector<CreatedLabel> labels;
  // Answers for boxes with Yes and No, taken in order; Yes when none is left.
  std::deque<ui::Answer> answers;

  void AppMessage(std::u16string_view text) override {
    messages.push_back({std::u16string(text), std::nullopt, ui::Buttons::Ok, ui::Icon::Warning, true});
    calls.push_back("AppMessage " + Utf8(text));
  }

  ui::Answer OwnedMessage(std::u16string_view text, std::optional<std::u16string_view> caption, ui::Buttons buttons,
                          ui::Icon icon) override {
    MessageRecord record{std::u16string(text), std::nullopt, buttons, icon, false};
    if (caption) record.caption = std::u16string(*caption);
    messages.push_back(record);
    calls.push_back("OwnedMessage " + Utf8(text));
    if (buttons == ui::Buttons::Ok) return ui::Answer::Ok;
    if (answers.empty()) return ui::Answer::Yes;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void SetText(ui::ControlId id, std::u16string_view text) override {
    texts[id] = std::u16string(text);
    calls.push_back("SetText " + std::to_string(id) + " " + Utf8(text));
  }
  void Show(ui::ControlId id, bool show) override {
    visible[id] = show;
    calls.push_back("Show " + std::to_string(id) + " " + (show ? "1" : "0"));
  }
  void Enable(ui::ControlId id, bool enable) override {
    enabled[id] = enable;
    calls.push_back("Enable " + std::to_string(id) + " " + (enable ? "1" : "0"));
  }

  void ComboInsert(ui::ControlId id, int index, std::u16string_view text) override {
    auto& items = combos[id].items;
    if (index < 0 || index > static_cast<int>(items.size())) index = static_cast<int>(items.size());
    items.insert(items.begin() + index, std::u16string(text));
    calls.push_back("ComboInsert " + std::to_string(id) + " " + std::to_string(index) + " " + Utf8(text));
  }
  void ComboSetCurSel(ui::ControlId id, int index) override {
    auto& combo = combos[id];
    // Like the real control: an index outside the list clears the selection.
    combo.selection = (index >= 0 && index < static_cast<int>(combo.items.size())) ? index : -1;
    calls.push_back("ComboSetCurSel " + std::to_string(id) + " " + std::to_string(index));
  }
  int ComboGetCurSel(ui::ControlId id) override {
    calls.push_back("ComboGetCurSel " + std::to_string(id));
    auto found = combos.find(id);
    return found == combos.end() ? -1 : found->second.selection;
  }
  void ComboSetItemHeight(ui::ControlId id, int height) override {
    combos[id].itemHeight = height;
    calls.push_back("ComboSetItemHeight " + std::to_string(id) + " " + std::to_string(height));
  }
  void ComboSetDroppedHeight(ui::ControlId id, int height) override {
    combos[id].droppedHeight = height;
    calls.push_back("ComboSetDroppedHeight " + std::to_string(id) + " " + std::to_string(height));
  }

  void ProgressSetRange(ui::ControlId id, int low, int high) override {
    progress[id].low = low;
    progress[id].high = high;
    calls.push_back("ProgressSetRange " + std::to_string(id) + " " + std::to_string(low) + " " + std::to_string(high));
  }
  void ProgressSetStep(ui::ControlId id, int step) override {
    progress[id].step = step;
    calls.push_back("ProgressSetStep " + std::to_string(id) + " " + std::to_string(step));
  }
  void ProgressSetPos(ui::ControlId id, int position) override {
    progress[id].position = position;
    calls.push_back("ProgressSetPos " + std::to_string(id) + " " + std::to_string(position));
  }

  void CreateLabel(ui::Rect rect, std::uint32_t style, std::u16string_view text, const ui::FontDesc& font) override {
    labels.push_back({rect, style, std::u16string(text), font});
    calls.push_back("CreateLabel " + Utf8(text));
  }
  void CreateDropDown(ui::ControlId id, ui::Rect rect, std::uint32_t style) override {
    combos[id] = ComboState{rect, style, {}, -1, 0, 0};
    calls.push_back("CreateDropDown " + std::to_string(id));
  }
};

}  // namespace testing_support
