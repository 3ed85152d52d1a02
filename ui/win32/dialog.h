// Dialogs from templates: one static dialog procedure that finds the object and switches
// into a few virtual handlers. A modal dialog runs until EndDialog; a page is a modeless
// child dialog inside another window.
#pragma once

#include <windows.h>

#include "ui/win32/window.h"

namespace ui::win32 {

class Dialog : public Window {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int TemplateId() const { return templateId_; }

 protected:
  // Each handler returns whether it handled the message; unhandled ones get the dialog
  // manager's default.
  virtual bool OnInit() { return true; }  // true: let the system place the focus
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(int id, const NMHDR& header, LRESULT& result);
  virtual bool OnSysCommand(WPARAM command, LPARAM parameter);
  virtual bool OnPaint() { return false; }
  virtual HICON OnQueryDragIcon() { return nullptr; }
  virtual void OnOK() {}
  virtual void OnCancel() {}

  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
};

class ModalDialog : public Dialog {
 public:
  using Dialog::Dialog;
  // Returns the result given to End, or -1 when the dialog could not be created.
  INT_PTR Run(HWND owner);
  void End(INT_PTR result) const { EndDialog(hwnd_, result); }

 protected:
  void OnOK() override { End(IDOK); }
  void OnCancel() override { End(IDCANCEL); }
};

class Page : public Dialog {
 public:
  using Dialog::Dialog;
  ~Page() override;
  // Creates the page's window as a child of parent; false when that failed.
  bool Create(HWND parent);
};

}  // namespace ui::win32
