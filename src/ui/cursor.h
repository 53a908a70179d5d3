// Mouse cursors: the system's standard shapes, and the wait cursor shown while a long piece of
// work runs, which gives the cursor back when the work ends however it ends.
#pragma once

#include "ui/types.h"

namespace ornil::ui {

enum class SystemCursor { Arrow, Wait };

class WaitCursor {
 public:
  // Loads the system's wait cursor; nothing shows yet.
  WaitCursor();
  // Shows the cursor that was there before Show, if Show ran.
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  void Show();

 private:
  Handle wait_ = 0;
  Handle previous_ = 0;
  bool shown_ = false;
};

}  // namespace ornil::ui
