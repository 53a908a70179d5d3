// TSetupWindow: the window in which the user decides, for one table at a time, which fields its
// info window shows, in which order and how, and saves that into the table's metadata. The left
// half is the list of fields with its buttons, the right half the property panel of the selected
// field; three dialogs choose the table, make or change a field and take an expression. While it
// is open the other top-level windows of the thread stay disabled.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/mapbasic_link.h"
#include "platform/hooks.h"
#include "platform/window_manager.h"
#include "settings/view_line.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/scroll_box.h"
#include "ui/value_list_editor.h"

namespace ornil {

class TSelectTableWindow;
class TNewFieldWindow;
class TEnterExpressionWindow;

class TSetupWindow : public ui::Form {
 public:
  // Hidden until a table is chosen; declares the MapBasic variables of the current record.
  TSetupWindow(ui::Component* owner, std::uint32_t instance, HConv mapInfoConv,
               HConv applicationConv);
  ~TSetupWindow() override;

  // Asks for the table to set up (the table dialog); throws with its prefix.
  void SelectNewTable();

  // The list of fields.
  ui::GroupBox* Fields;
  ui::ListBox* ListFields;
  ui::BitButton* CreateField;
  ui::BitButton* DeleteField;
  ui::BitButton* FieldUp;
  ui::BitButton* FieldDown;
  ui::MainMenu* MainMenu1;
  ui::MenuItem* SetupMenu;
  ui::MenuItem* SaveChanges;
  ui::MenuItem* N3;
  ui::MenuItem* SelectTable;
  ui::MenuItem* CloseWindow;

  // The property panel.
  ui::GroupBox* FieldProperties;
  ui::Label* LabelFieldType;
  ui::ComboBox* FieldType;
  ui::CheckBox* FieldEnabled;
  ui::CheckBox* CaptionViewed;
  ui::RadioGroup* CaptionJustify;
  ui::ScrollBox* TableFieldOptions;
  ui::Label* LabelTableName;
  ui::ComboBox* ValuesTableName;
  ui::GroupBox* GroupBox1;
  ui::Label* LabelValue;
  ui::ComboBox* ValueColumn;
  ui::Label* LabelViewedColumn;
  ui::ComboBox* ViewedColumn;
  ui::Label* LabelIdentifier;
  ui::ComboBox* IdentifierColumn;
  ui::Label* LabelCondition;
  ui::Memo* AdditionalCondition;
  ui::BitButton* CheckUp;
  ui::CheckBox* FullValuesVistCreated;
  ui::ScrollBox* StaticListOptions;
  ui::GroupBox* ColumnsGroup;
  ui::ValueListEditor* ValueList;
  ui::BitButton* CreateValue;
  ui::BitButton* DeleteValue;
  ui::ScrollBox* DateFieldOptions;
  ui::Label* LabelDateFormat;
  ui::ComboBox* DateFormat;
  ui::Label* LabelCustomDateFormat;
  ui::ComboBox* CustomDateFormat;

  // The dialogs, made by FormCreate.
  TSelectTableWindow* SelectTableWindow = nullptr;
  TNewFieldWindow* NewFieldWindow = nullptr;
  TEnterExpressionWindow* EnterExpressionWindow = nullptr;

  TMapInfo Link;
  std::string TableName;
  int CurrentFieldIndex = -1;

  // The field of a list position, or null.
  TViewLine* FieldAt(int index);
  // Whether the other windows are kept disabled (and the host watched) now.
  bool KeepsOthersDisabled() const { return static_cast<bool>(setupWindowHook_); }
  const platform::DisabledWindows& DisabledWindows() const { return disabledWindows_; }

 protected:
  void WndProc(ui::Message& message) override;

 private:
  // Layout of the design (setup_window_layout.cpp).
  void BuildFieldList();
  void BuildMenu();
  void BuildPanel();
  void BuildLookupOptions();
  void BuildStaticListOptions();
  void BuildDateOptions();
  void WireHandlers();

  // The window's life (setup_window.cpp).
  void FormCreate();
  void WireDialogs();
  void AssignPanelHints();
  void LayOutLabelColumn();
  // A check box whose caption of that width stands left of its box.
  int CheckBoxWidth(int textWidth);
  void KeepOtherWindowsDisabled();
  std::intptr_t SetupWindowHookProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
  void FormClose(ui::Form& sender, ui::CloseAction& action);
  void FormDestroy();
  void FormResize();
  void ClampSizing(int edge, ui::Rect& proposed);
  void FormKeyDown(std::uint16_t& key);
  void FormKeyPress(char& key);
  void AllKeyPress(char& key);
  void ActivateApplicationWindow();

  // The list of fields (field_list.cpp).
  void ListFieldsWindowProc(ui::Message& message);
  void ListFieldsClick();
  void UpdateMoveButtons(int selected);
  void FieldUpClick();
  void FieldDownClick();
  void MoveSelectedField(int step);
  void DeleteFieldClick();
  void ListFieldsDrawItem(ui::Canvas& canvas, int index, const ui::Rect& rect, std::uint32_t state);
  // Saves with a box on failure; false when the table's settings were not written.
  bool SaveChangesClick();
  void SaveChangesNow();
  void SelectTableClick();
  // Puts a field into the list (owned by the window) and gives it back.
  TViewLine* AddField(const TViewLine& field);
  TViewLine* InsertField(int index, const TViewLine& field);
  void DeleteAllFields();

  // The property panel (property_panel.cpp).
  void StorePanel(TViewLine& d, int index);
  void LoadPanel(TViewLine& d);
  void LoadKindList(const TViewLine& d);
  void FieldTypeSelect();
  void ShowOptionsBox(ui::ScrollBox& box);
  void ValuesTableNameSelect(ui::Component& sender);
  void CheckUpClick();
  void CreateValueClick();
  void DeleteValueClick();
  void CustomDateFormatChange();
  void CaptionViewedClick();
  void FieldEnabledClick();
  void ClearValueRows();
  // The boxes of a condition or expression check.
  void TellTableNotOpen();
  void TellCheckResult(bool correct, std::uint32_t correctIcon, std::uint32_t wrongIcon);
  // A task-modal message box.
  int Ask(const char* text, const char* caption, std::uint32_t flags);

  // The dialogs' handlers (setup_dialogs.cpp).
  void SelectTableWindow_OkButtonClick(ui::Component& sender);
  void TakeTable(const std::string& name);
  void AssignTableVariables(const std::string& name);
  void SelectTableWindow_CancelButtonClick(ui::Component& sender);
  void ChildFormClose(ui::Form& dialog);
  void CreateFieldClick();
  void ListFieldsDblClick();
  // The table's `count` columns into the field dialog's list; `edited`'s column is selected.
  void FillColumnList(int count, const TViewLine* edited);
  void NewFieldWindow_SelectColumn(ui::Component& sender);
  void NewFieldWindow_OkButtonClick(ui::Component& sender);
  void DescribeColumn(TViewLine& d, const std::string& column);
  void DescribeExpression(TViewLine& d, const std::string& expression);
  void EnterExpressionWindow_OkButtonClick(ui::Component& sender);
  void EnterExpressionWindow_CheckUpClick(ui::Component& sender);

  std::vector<std::unique_ptr<TViewLine>> fields_;
  std::function<void(ui::Message&)> listFieldsProc_;
  int keptHintHidePause_ = 0;
  int keptHintPause_ = 0;
  bool hintPausesKept_ = false;
  platform::DisabledWindows disabledWindows_;
  platform::ScopedHook setupWindowHook_;
};

}  // namespace ornil
