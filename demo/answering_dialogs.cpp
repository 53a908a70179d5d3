// Answering the session's message boxes.
#include "demo/answering_dialogs.h"

#include "text/cp1251.h"
#include "ui/messages.h"

namespace ornil::demo {

namespace {
// The parts of a box's flags that choose its buttons and its icon.
constexpr std::uint32_t kButtons = 0x0F, kIcons = 0xF0;
}  // namespace

int AnsweringDialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                                     std::uint32_t flags) {
  shown.push_back(text::ToUtf8(caption) + ": " + text::ToUtf8(text));
  if ((flags & kIcons) == ui::mb::IconError) errors.push_back(shown.back());
  const std::uint32_t buttons = flags & kButtons;
  return buttons == ui::mb::YesNo || buttons == ui::mb::YesNoCancel ? ui::id::Yes : ui::id::Ok;
}

}  // namespace ornil::demo
