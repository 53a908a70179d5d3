// The demo's stage on the real screen: each step is a numbered screenshot of MapInfo's main window
// with the step's window over it, checked before it is kept: more than one colour, and the step's
// window visible in it and not hidden under another.
#pragma once

#include <string>
#include <vector>

#include "demo/session.h"

namespace ornil::demo {

class ScreenStage : public Stage {
 public:
  ScreenStage(platform::WindowHandle mainWindow, std::string folder);
  void Show(const std::string& name, const std::string& title,
            platform::WindowHandle window) override;

  const std::vector<std::string>& Pictures() const { return pictures_; }
  const std::vector<std::string>& Failures() const { return failures_; }

 private:
  platform::WindowHandle mainWindow_;
  std::string folder_;
  std::vector<std::string> pictures_;
  std::vector<std::string> failures_;
  int shown_ = 0;
};

}  // namespace ornil::demo
