// The demo's user at the library's message boxes: a CBT hook sees each box open on this thread, a
// timer inside the box's modal loop (its text is set after it opens) shows it on the stage and
// presses Yes where the box asks, OK otherwise. Every box is kept; error boxes fail the session.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <vector>

#include "demo/session.h"

namespace ornil::demo {

class BoxAnswerer {
 public:
  explicit BoxAnswerer(Stage& stage);
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  std::vector<std::string> shown;   // "caption: text", UTF-8
  std::vector<std::string> errors;  // the error boxes among them

 private:
  static LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK Answer(HWND box, UINT, UINT_PTR timer, DWORD);

  Stage& stage_;
  HHOOK hook_ = nullptr;
};

}  // namespace ornil::demo
