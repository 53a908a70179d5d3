// The About window on real windows under Wine: it shows the given text (saved as a screenshot
// under out/), keeps the host main window disabled even after one of the host's message boxes
// closed, gives it back after OK, and a second call replaces it.
#include "platform/win32/win32_api.h"

#include <gtest/gtest.h>

#include <string>

#include "integration/about_box.h"
#include "support/ui_fixture.h"
#include "text/cp1251.h"
#include "win32/support/message_box_answerer.h"

namespace ornil {
namespace {

struct AboutWindow : ui::Win32Ui {
  ui::ApplicationDialogs dialogs;
  win32test::MessageBoxAnswerer answerer;
  HWND host = CreateWindowExA(0, "STATIC", "MapInfo Professional", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 0, 640, 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);

  void SetUp() override {
    ui::Win32Ui::SetUp();
    platform::Seams seams = platform::Current();
    seams.dialogs = &dialogs;
    platform::Install(seams);
    app.SetHandle(reinterpret_cast<ui::Handle>(host));
  }
  void TearDown() override {
    ::ornil::DestroyAboutWindow();
    app.ProcessMessages();
    DestroyWindow(host);
    ui::Win32Ui::TearDown();
  }

  static std::string OutPath(const std::string& name) {
    CreateDirectoryA(ORNIL_OUT_DIR, nullptr);
    return std::string(ORNIL_OUT_DIR) + "/" + name;
  }
};

TEST_F(AboutWindow, KeepsTheHostDisabledUntilOk) {
  ViewAboutProg("Ornil — информационное окно объектов карты"_cp);
  ASSERT_NE(AboutBox, nullptr);
  const HWND about = ui::Hwnd(*AboutBox);
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_EQ(AboutBox->ProductName->Text(), "Ornil — информационное окно объектов карты"_cp);
  EXPECT_FALSE(IsWindowEnabled(host));
  app.ProcessMessages();
  EXPECT_TRUE(ui::win32::SaveWindowPng(AboutBox->GetHandle(), OutPath("about_window.png")));

  // One of the host's own boxes: it enables its owner when it closes, and the hook disables the
  // host again at once.
  MessageBoxA(host, "Сообщение MapInfo"_cp, "MapInfo", MB_OK);
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_FALSE(IsWindowEnabled(host));
  EXPECT_TRUE(IsWindow(about));

  SendMessageA(ui::Hwnd(*AboutBox->OKButton), BM_CLICK, 0, 0);
  app.ProcessMessages();
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_FALSE(IsWindow(about));
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_EQ(answerer.Boxes().size(), 1u) << "no error was shown";
}

TEST_F(AboutWindow, ASecondCallReplacesTheWindow) {
  ViewAboutProg("первый");
  const HWND first = ui::Hwnd(*AboutBox);
  ViewAboutProg("второй"_cp);
  app.ProcessMessages();
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindowVisible(ui::Hwnd(*AboutBox)));
  EXPECT_EQ(AboutBox->ProductName->Text(), "второй"_cp);
  EXPECT_FALSE(IsWindowEnabled(host));

  ::ornil::DestroyAboutWindow();
  app.ProcessMessages();
  EXPECT_EQ(AboutBox, nullptr);
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_TRUE(answerer.Boxes().empty());
}

}  // namespace
}  // namespace ornil
