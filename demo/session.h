// The demo's session: what a user does with Ornil in MapInfo, step by step, on the sample tables.
// It runs on any desktop: the Stage shows each step (a screenshot under Wine, a record in the
// native test).
#pragma once

#include <string>
#include <vector>

#include "demo/demo_host.h"
#include "demo/host_screen.h"

namespace ornil::demo {

class Stage {
 public:
  virtual ~Stage() = default;
  // A step is done, or something asks the user. `name` names its picture ("mapinfo"; the stage
  // numbers them), `title` says in UTF-8 what the user did or sees, `window` is the window the
  // step is about (it must be on the screen).
  virtual void Show(const std::string& name, const std::string& title,
                    platform::WindowHandle window) = 0;
};

struct Summary {
  int steps = 0;
  int rowsSaved = 0;                  // Update statements the companion ran for the library
  int valuesCreated = 0;              // Insert statements the companion ran for the library
  std::vector<std::string> failures;  // UTF-8; empty when everything went as a user expects
  bool Ok() const { return failures.empty(); }
  // One line: steps, rows saved, values created, failures.
  std::string Line() const;
};

// Plays the session: the companion program starts, the user works, the program ends. The
// library's modules must be loaded and the seams installed.
Summary PlaySession(DemoHost& host, HostScreen& screen, Stage& stage);

}  // namespace ornil::demo
