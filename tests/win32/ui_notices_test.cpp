// The notices the toolkit gives its controls on real windows under Wine: the shared script's
// observations, the same as the headless backend's.
#include "support/message_box_answerer.h"
#include "support/ui_fixture.h"
#include "unit/ui_notices_script.h"

namespace ornil::ui {
namespace {

TEST_F(Win32Ui, RealWindowsGiveTheNoticesOfTheHeadlessBackend) {
  win32test::MessageBoxAnswerer answerer;
  EXPECT_EQ(notices::RunScript(app), notices::ExpectedObservations());
  EXPECT_EQ(answerer.Boxes().size(), 1u) << "the message box was up and answered";
}

}  // namespace
}  // namespace ornil::ui
