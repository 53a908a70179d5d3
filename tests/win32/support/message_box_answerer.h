// Answers the message boxes a Win32 test provokes on its own thread, keeping their texts: a CBT
// hook sees each box activate, and a timer inside the box's modal loop reads it (its text is set
// after activation) and presses OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ornil::win32test {

struct AnsweredBox {
  std::string caption;
  std::string text;
  LONG style = 0;
};

class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<AnsweredBox>& Boxes() const;

 private:
  HHOOK hook_;
};

}  // namespace ornil::win32test
