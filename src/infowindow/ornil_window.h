// TOrnilWindow: the info window of one record of one table. It holds the link with the host, the
// table's configured rows with the controls built for them, the hidden helper map window and the
// value list of a lookup row; the module (info_window_module.h) opens, queries and closes it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "controls/border_bit_btn.h"
#include "controls/edit_value_window.h"
#include "controls/ornil_combo_box.h"
#include "host/mapbasic_link.h"
#include "platform/hooks.h"
#include "platform/window_manager.h"
#include "settings/view_line.h"
#include "ui/form.h"
#include "ui/scroll_box.h"

namespace ornil {

class TOrnilWindow : public ui::Form {
 public:
  // As the full constructor with all three DDE handles 0.
  explicit TOrnilWindow(ui::Component* owner);
  TOrnilWindow(ui::Component* owner, std::uint32_t instance, HConv mapInfoConv,
               HConv applicationConv);
  ~TOrnilWindow() override;

  TBorderBitBtn* ButtonSave = nullptr;
  TBorderBitBtn* ButtonClose = nullptr;
  ui::ScrollBox* ScrollBox = nullptr;
  std::int32_t RowId = 0;
  std::int32_t MapWindowId = 0;
  std::string TableName;
  std::int32_t AdditionalWindowId = 0;
  bool SavingStarted = false;
  bool FindingStarted = false;
  std::string ExpressionSelection;
  // The value list's window procedure, bound to this window.
  platform::SubclassProcedure ValueListWindowProc;
  TMapInfo MapInfo;
  // The lookup control whose value list is open or was opened last.
  TOrnilComboBox* CurrentLookupControl = nullptr;
  TViewLines Fields;
  // The value list: the host's browser window, its host window id, and its own procedure while
  // this window's procedure has taken it over.
  platform::WindowHandle ValueListWindow = 0;
  std::int32_t ValueListWindowId = 0;
  std::unique_ptr<platform::WindowSubclass> ValueListTakeover;
  // Keeps the host's main window disabled while a value list is open.
  platform::ScopedHook ValueListHook;
  // The additional map window's handle as the host reports it; 0 when it gave none.
  std::int32_t AdditionalWindowHandle = 0;
  std::int16_t RowHeight = 0;
  std::int16_t CaptionWidth = 0;
  TEditValueWindow* EditValueWindow = nullptr;

  // Opening (Parts of the build, in the order ViewOrnilWindow runs them).
  bool CreateAdditionalWindow();
  bool TakeParametersInfoFields();
  bool CreateInfoFields();
  // Moves the window next to the picked screen point and shows it.
  void PlaceNearPoint(int x, int y);
  // Runs the host's "find selection" for the value just chosen in a value list.
  void FindValueInBrowse();

  // The MapBasic literal of a row's current value, or empty text when it did not change.
  std::string EditedValueLiteral(TViewLine& d);

  // The value list of a lookup row (value_list.cpp, edit_value_ok.cpp, value_update.cpp).
  void ComboBoxLabelMouseUp(ui::Component& sender, ui::MouseButton button, ui::ShiftState shift,
                            int x, int y);
  bool CreateNewSelValueWindow(const std::string& value);
  std::intptr_t HookSelTableProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  void EditValueOkClick(ui::Component& sender);
  // The exports UpdateValue and NewValue: the edit value window for the selected or a new value.
  void UpdateValue();
  void NewValue();
  bool ValueListOpen() const;

  void AllKeyPress(ui::Component& sender, char& key);

 protected:
  void CreateParams(ui::CreateParams& params) override;
  void WndProc(ui::Message& message) override;

 private:
  void FormCreate();
  void FormClose(ui::Form& sender, ui::CloseAction& action);
  void FormDestroy(ui::Component& sender);
  void ButtonSaveClick(ui::Component& sender);
  void ButtonCloseClick(ui::Component& sender);
  void EditValueWindowClose(ui::Form& sender, ui::CloseAction& action);

  std::intptr_t ValueListWindowMessage(platform::WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam,
                                       const platform::WindowProcedure& previous);
  // WM_CLOSE of the value list: the selected value becomes the lookup's.
  void TakeOverListSelection();
  void TakeSelectedIdentifier(TOrnilComboBox& c);
  // Undoes a value list that could not be opened completely.
  void AbandonValueList() noexcept;
  // The browser window of a new value list in the old one's place, with its title.
  void RecreateValueList(const std::string& value, int shownBefore);
  // Gives the browser window back its own procedure and forgets it.
  void ReleaseValueListWindow();
  // Sets the new row's identifier by the identifier column's type.
  void AssignNewIdentifier(const TOrnilComboBox& c, int row);

  // The window is enabled exactly when the host's main window is.
  void FollowHostEnabled();
  // Keeps a dragged border within the size constraints.
  void ClampSizing(int edge, ui::Rect& rect) const;

  // One row of controls for the descriptor at `index` with its top at y; gives its height.
  int BuildRow(std::size_t index, int y);
  // A lookup row's combo box, or null when the lookup cannot be prepared (the row is then shown
  // as an editable one).
  ui::Control* BuildLookupRow(TViewLine& d, int y);
  void ReadRowValue(TViewLine& d);
  // Sends the update of one changed, editable row; raises when it fails.
  void SaveRow(TViewLine& d);
};

// The host's main window, which owns the library's windows; 0 before the companion names it.
platform::WindowHandle HostMainWindow();

}  // namespace ornil
