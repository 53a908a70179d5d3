// Answering the session's message boxes.
#include "demo/answering_dialogs.h"

#include "text/cp1251.h"

namespace ornil::demo {

namespace {
// MessageBox flags and answers, as <windows.h> has them.
constexpr std::uint32_t kButtons = 0x0F, kYesNoCancel = 0x03, kYesNo = 0x04;
constexpr std::uint32_t kIcons = 0xF0, kIconError = 0x10;
constexpr int kOk = 1, kYes = 6;
}  // namespace

int AnsweringDialogs::ShowMessageBox(const std::string& text, const std::string& caption,
                                     std::uint32_t flags) {
  shown.push_back(text::ToUtf8(caption) + ": " + text::ToUtf8(text));
  if ((flags & kIcons) == kIconError) errors.push_back(shown.back());
  const std::uint32_t buttons = flags & kButtons;
  return buttons == kYesNo || buttons == kYesNoCancel ? kYes : kOk;
}

}  // namespace ornil::demo
