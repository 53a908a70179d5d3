// Buttons: the push button, the bitmap button with its standard kinds and glyphs, the check box
// (caption on either side) and the radio button.
#pragma once

#include "ui/control.h"

namespace ornil::ui {

class Button : public Control {
 public:
  explicit Button(Component* owner);

  // Esc anywhere in the form presses the cancel button, Enter the default one.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  bool Default() const { return default_; }
  void SetDefault(bool on) { default_ = on; }

  void Click() override;

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void CommandNotify(std::uint16_t code) override;

 private:
  bool cancel_ = false;
  bool default_ = false;
};

enum class BitButtonKind { Custom, Ok, Cancel, Retry };
// Pictures a button may show instead of its kind's: new item, delete item, move up, move down.
enum class ButtonGlyph { None, Create, Delete, Up, Down };

// Owner-drawn: a face, the glyph of its kind (or the one given) and the caption beside it.
class BitButton : public Button {
 public:
  explicit BitButton(Component* owner);

  BitButtonKind Kind() const { return kind_; }
  // OK makes it the default button, Cancel the cancel button.
  void SetKind(BitButtonKind kind);
  ButtonGlyph Glyph() const { return glyph_; }
  void SetGlyph(ButtonGlyph glyph);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void DrawItem(DrawItemRecord& record) override;
  // Paints face, glyph and caption; the drawing of the owner-draw notification.
  virtual void DrawButton(Canvas& canvas, const Rect& rect, bool pressed, bool focused);

 private:
  BitButtonKind kind_ = BitButtonKind::Custom;
  ButtonGlyph glyph_ = ButtonGlyph::None;
};

// Draws the 16 x 16 glyph of a kind with its top-left corner at origin.
void DrawKindGlyph(Canvas& canvas, BitButtonKind kind, Point origin, bool enabled);
void DrawButtonGlyph(Canvas& canvas, ButtonGlyph glyph, Point origin, bool enabled);

enum class CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

class CheckBox : public Control {
 public:
  explicit CheckBox(Component* owner);

  // The state the window shows.
  CheckState State();
  // Changes the state; OnClick follows when the state did change.
  void SetState(CheckState state);
  bool Checked() { return State() == CheckState::Checked; }
  void SetChecked(bool checked) { SetState(checked ? CheckState::Checked : CheckState::Unchecked); }
  // Left: the caption stands left of the box.
  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment alignment);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void CommandNotify(std::uint16_t code) override;

 private:
  Alignment alignment_ = Alignment::Right;
};

class RadioButton : public Control {
 public:
  explicit RadioButton(Component* owner);

  bool Checked();
  // Checking one unchecks the radio buttons beside it; OnClick follows a change to checked.
  void SetChecked(bool checked);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void CommandNotify(std::uint16_t code) override;
};

}  // namespace ornil::ui
