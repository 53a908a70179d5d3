// Edits: the one-line edit (maximum length, read-only, selection, height from its font) and the
// memo, in which Enter need not break lines (and then belongs to the form's default button).
#pragma once

#include "ui/control.h"

namespace ornil::ui {

class Edit : public Control {
 public:
  explicit Edit(Component* owner);

  int MaxLength() const { return maxLength_; }
  // 0: no limit.
  void SetMaxLength(int length);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool Bordered() const { return bordered_; }
  void SetBordered(bool bordered);

  int SelStart();
  int SelLength();
  void SetSelection(int start, int end);
  void SelectAll() { SetSelection(0, -1); }

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WindowCreated() override;
  void WndProc(Message& message) override;
  void CommandNotify(std::uint16_t code) override;
  void AdjustSize() override;

 private:
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool bordered_ = true;
};

class Memo : public Edit {
 public:
  explicit Memo(Component* owner);

  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool on) { wantReturns_ = on; }

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(Message& message) override;
  void KeyPress(char& key) override;

 private:
  bool wantReturns_ = true;
};

}  // namespace ornil::ui
