// The message boxes of the demo's session: a question is answered Yes, as the session's user
// would; every box is kept, and the error boxes among them fail the session.
#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace ornil::demo {

class AnsweringDialogs : public platform::Dialogs {
 public:
  int ShowMessageBox(const std::string& text, const std::string& caption,
                     std::uint32_t flags) override;

  std::vector<std::string> shown;   // "caption: text", UTF-8
  std::vector<std::string> errors;  // those with the error icon
};

}  // namespace ornil::demo
