// Window messages as the toolkit passes them around, and the numbers it shares with Win32:
// messages, notifications, styles, keys and message-box flags. The values are Win32's, so the
// win32 backend hands them through unchanged and the headless backend answers the same ones.
#pragma once

#include <cstdint>

#include "ui/types.h"

namespace ornil::ui {

struct Message {
  std::uint32_t msg = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::intptr_t result = 0;
};

inline constexpr std::uint16_t LowWord(std::uintptr_t v) {
  return static_cast<std::uint16_t>(v & 0xFFFF);
}
inline constexpr std::uint16_t HighWord(std::uintptr_t v) {
  return static_cast<std::uint16_t>((v >> 16) & 0xFFFF);
}
inline constexpr std::uintptr_t MakeWParam(std::uint16_t low, std::uint16_t high) {
  return static_cast<std::uintptr_t>(low) | (static_cast<std::uintptr_t>(high) << 16);
}
// Mouse messages carry client coordinates as two signed 16-bit halves.
inline constexpr std::intptr_t MakePointParam(int x, int y) {
  return static_cast<std::intptr_t>(
      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(x))) |
      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}
inline constexpr Point PointFromParam(std::intptr_t l) {
  return {static_cast<std::int16_t>(l & 0xFFFF), static_cast<std::int16_t>((l >> 16) & 0xFFFF)};
}

namespace wm {
inline constexpr std::uint32_t Null = 0x0000;
inline constexpr std::uint32_t Create = 0x0001;
inline constexpr std::uint32_t Destroy = 0x0002;
inline constexpr std::uint32_t Move = 0x0003;
inline constexpr std::uint32_t Resize = 0x0005;  // WM_SIZE
inline constexpr std::uint32_t Activate = 0x0006;
inline constexpr std::uint32_t SetFocus = 0x0007;
inline constexpr std::uint32_t KillFocus = 0x0008;
inline constexpr std::uint32_t Enable = 0x000A;
inline constexpr std::uint32_t SetText = 0x000C;
inline constexpr std::uint32_t GetText = 0x000D;
inline constexpr std::uint32_t GetTextLength = 0x000E;
inline constexpr std::uint32_t Paint = 0x000F;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t EraseBackground = 0x0014;
inline constexpr std::uint32_t ShowWindow = 0x0018;
inline constexpr std::uint32_t SetCursor = 0x0020;
inline constexpr std::uint32_t GetMinMaxInfo = 0x0024;
inline constexpr std::uint32_t DrawItem = 0x002B;
inline constexpr std::uint32_t MeasureItem = 0x002C;
inline constexpr std::uint32_t SetFont = 0x0030;
inline constexpr std::uint32_t GetFont = 0x0031;
inline constexpr std::uint32_t WindowPosChanging = 0x0046;
inline constexpr std::uint32_t WindowPosChanged = 0x0047;
inline constexpr std::uint32_t Notify = 0x004E;
inline constexpr std::uint32_t NcDestroy = 0x0082;
inline constexpr std::uint32_t NcPaint = 0x0085;
inline constexpr std::uint32_t GetDlgCode = 0x0087;
inline constexpr std::uint32_t KeyDown = 0x0100;
inline constexpr std::uint32_t KeyUp = 0x0101;
inline constexpr std::uint32_t Char = 0x0102;
inline constexpr std::uint32_t SysKeyDown = 0x0104;
inline constexpr std::uint32_t SysChar = 0x0106;
inline constexpr std::uint32_t Command = 0x0111;
inline constexpr std::uint32_t SysCommand = 0x0112;
inline constexpr std::uint32_t VScroll = 0x0115;
inline constexpr std::uint32_t CtlColorEdit = 0x0133;
inline constexpr std::uint32_t CtlColorListBox = 0x0134;
inline constexpr std::uint32_t CtlColorButton = 0x0135;
inline constexpr std::uint32_t CtlColorStatic = 0x0138;
inline constexpr std::uint32_t MouseMove = 0x0200;
inline constexpr std::uint32_t LButtonDown = 0x0201;
inline constexpr std::uint32_t LButtonUp = 0x0202;
inline constexpr std::uint32_t LButtonDblClk = 0x0203;
inline constexpr std::uint32_t RButtonDown = 0x0204;
inline constexpr std::uint32_t RButtonUp = 0x0205;
inline constexpr std::uint32_t MouseWheel = 0x020A;
inline constexpr std::uint32_t Sizing = 0x0214;
inline constexpr std::uint32_t Paste = 0x0302;
inline constexpr std::uint32_t PrintClient = 0x0318;
inline constexpr std::uint32_t User = 0x0400;
}  // namespace wm

// The toolkit's own control messages (the class library's numbering).
namespace cm {
inline constexpr std::uint32_t Base = 0xB000;
inline constexpr std::uint32_t DialogKey = Base + 5;
inline constexpr std::uint32_t VisibleChanged = Base + 11;
inline constexpr std::uint32_t EnabledChanged = Base + 12;
inline constexpr std::uint32_t FontChanged = Base + 14;
inline constexpr std::uint32_t TextChanged = Base + 18;
inline constexpr std::uint32_t MouseEnter = Base + 19;
inline constexpr std::uint32_t MouseLeave = Base + 20;
inline constexpr std::uint32_t Enter = Base + 26;
inline constexpr std::uint32_t Exit = Base + 27;
inline constexpr std::uint32_t Release = Base + 33;
inline constexpr std::uint32_t BiDiModeChanged = Base + 60;
}  // namespace cm

// Notifications a parent reflects back to the child they came from: the message number plus Base.
namespace cn {
inline constexpr std::uint32_t Base = 0xBC00;
inline constexpr std::uint32_t Command = Base + wm::Command;
inline constexpr std::uint32_t Notify = Base + wm::Notify;
inline constexpr std::uint32_t DrawItem = Base + wm::DrawItem;
inline constexpr std::uint32_t KeyDown = Base + wm::KeyDown;
inline constexpr std::uint32_t Char = Base + wm::Char;
}  // namespace cn

// What a control answers to WM_GETDLGCODE (DLGC_*): the keys it keeps from the dialog keys.
namespace dlgc {
inline constexpr std::intptr_t WantArrows = 0x0001;
inline constexpr std::intptr_t WantTab = 0x0002;
inline constexpr std::intptr_t WantAllKeys = 0x0004;
inline constexpr std::intptr_t WantMessage = 0x0004;  // the key of the message in lParam
inline constexpr std::intptr_t HasSetSel = 0x0008;
inline constexpr std::intptr_t UndefPushButton = 0x0020;
inline constexpr std::intptr_t RadioButton = 0x0040;
inline constexpr std::intptr_t WantChars = 0x0080;
inline constexpr std::intptr_t Static = 0x0100;
inline constexpr std::intptr_t Button = 0x2000;
}  // namespace dlgc

// WM_PRINTCLIENT's drawing options (PRF_*).
namespace prf {
inline constexpr std::intptr_t Client = 0x0004;
}  // namespace prf

namespace em {
inline constexpr std::uint32_t GetSel = 0x00B0;
inline constexpr std::uint32_t SetSel = 0x00B1;
inline constexpr std::uint32_t ReplaceSel = 0x00C2;
inline constexpr std::uint32_t LimitText = 0x00C5;
inline constexpr std::uint32_t SetReadOnly = 0x00CF;
inline constexpr std::uint32_t GetLimitText = 0x00D5;
inline constexpr std::uint16_t ChangeNotification = 0x0300;  // EN_CHANGE
}  // namespace em

namespace bm {
inline constexpr std::uint32_t GetCheck = 0x00F0;
inline constexpr std::uint32_t SetCheck = 0x00F1;
inline constexpr std::uint32_t GetState = 0x00F2;
inline constexpr std::uint32_t SetState = 0x00F3;
inline constexpr std::uint32_t Click = 0x00F5;
inline constexpr std::uint16_t Clicked = 0;  // BN_CLICKED
inline constexpr std::uintptr_t Unchecked = 0;
inline constexpr std::uintptr_t Checked = 1;
}  // namespace bm

namespace cb {
inline constexpr std::intptr_t Err = -1;
inline constexpr std::uint32_t GetEditSel = 0x0140;
inline constexpr std::uint32_t SetEditSel = 0x0142;
inline constexpr std::uint32_t AddString = 0x0143;
inline constexpr std::uint32_t DeleteString = 0x0144;
inline constexpr std::uint32_t GetCount = 0x0146;
inline constexpr std::uint32_t GetCurSel = 0x0147;
inline constexpr std::uint32_t GetLbText = 0x0148;
inline constexpr std::uint32_t GetLbTextLen = 0x0149;
inline constexpr std::uint32_t InsertString = 0x014A;
inline constexpr std::uint32_t ResetContent = 0x014B;
inline constexpr std::uint32_t SetCurSel = 0x014E;
inline constexpr std::uint32_t ShowDropDown = 0x014F;
inline constexpr std::uint32_t GetItemData = 0x0150;
inline constexpr std::uint32_t SetItemData = 0x0151;
inline constexpr std::uint32_t GetDroppedState = 0x0157;
inline constexpr std::uint32_t FindStringExact = 0x0158;
// Notifications (CBN_*).
inline constexpr std::uint16_t SelChange = 1;
inline constexpr std::uint16_t EditChange = 5;
inline constexpr std::uint16_t DropDown = 7;
inline constexpr std::uint16_t CloseUp = 8;
}  // namespace cb

namespace lb {
inline constexpr std::intptr_t Err = -1;
inline constexpr std::uint32_t AddString = 0x0180;
inline constexpr std::uint32_t InsertString = 0x0181;
inline constexpr std::uint32_t DeleteString = 0x0182;
inline constexpr std::uint32_t ResetContent = 0x0184;
inline constexpr std::uint32_t SetCurSel = 0x0186;
inline constexpr std::uint32_t GetCurSel = 0x0188;
inline constexpr std::uint32_t GetText = 0x0189;
inline constexpr std::uint32_t GetTextLen = 0x018A;
inline constexpr std::uint32_t GetCount = 0x018B;
inline constexpr std::uint32_t GetTopIndex = 0x018E;
inline constexpr std::uint32_t GetItemRect = 0x0198;
inline constexpr std::uint32_t GetItemData = 0x0199;
inline constexpr std::uint32_t SetItemData = 0x019A;
inline constexpr std::uint32_t SetItemHeight = 0x01A0;
inline constexpr std::uint32_t GetItemHeight = 0x01A1;
inline constexpr std::uint32_t ItemFromPoint = 0x01A9;
// Notifications (LBN_*).
inline constexpr std::uint16_t SelChange = 1;
inline constexpr std::uint16_t DblClk = 2;
}  // namespace lb

namespace dtm {
inline constexpr std::uint32_t GetSystemTime = 0x1001;
inline constexpr std::uint32_t SetSystemTime = 0x1002;
inline constexpr std::uint32_t SetFormat = 0x1005;  // DTM_SETFORMATA
inline constexpr std::uint32_t GetMonthCal = 0x1008;
inline constexpr std::uintptr_t Valid = 0;  // GDT_VALID
inline constexpr std::uintptr_t None = 1;   // GDT_NONE
// Notifications (DTN_*).
inline constexpr std::uint32_t DateTimeChange = 0u - 759u;
inline constexpr std::uint32_t DropDown = 0u - 754u;
inline constexpr std::uint32_t CloseUp = 0u - 753u;
}  // namespace dtm

// WM_NOTIFY's header and the date picker's change notice, laid out as NMHDR and NMDATETIMECHANGE.
struct NotifyHeader {
  std::uintptr_t window = 0;
  std::uintptr_t id = 0;
  std::uint32_t code = 0;
};
struct DateTimeChange {
  NotifyHeader header;
  std::uint32_t flags = 0;  // GDT_VALID or GDT_NONE
  SystemTime time;
};

// WM_DRAWITEM's record, laid out as DRAWITEMSTRUCT.
struct DrawItemRecord {
  std::uint32_t controlType = 0;
  std::uint32_t controlId = 0;
  std::uint32_t itemId = 0;
  std::uint32_t itemAction = 0;
  std::uint32_t itemState = 0;
  std::uintptr_t window = 0;
  std::uintptr_t dc = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  std::uintptr_t itemData = 0;
};
namespace ods {
inline constexpr std::uint32_t Selected = 0x0001;
inline constexpr std::uint32_t Disabled = 0x0004;
inline constexpr std::uint32_t Focus = 0x0010;
inline constexpr std::uint32_t ListBox = 2;  // ODT_LISTBOX
inline constexpr std::uint32_t Button = 4;   // ODT_BUTTON
}  // namespace ods

namespace vk {
inline constexpr std::uint16_t Back = 0x08;
inline constexpr std::uint16_t Tab = 0x09;
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Escape = 0x1B;
inline constexpr std::uint16_t Space = 0x20;
inline constexpr std::uint16_t End = 0x23;
inline constexpr std::uint16_t Home = 0x24;
inline constexpr std::uint16_t Left = 0x25;
inline constexpr std::uint16_t Up = 0x26;
inline constexpr std::uint16_t Right = 0x27;
inline constexpr std::uint16_t Down = 0x28;
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t Delete = 0x2E;
inline constexpr std::uint16_t F4 = 0x73;
}  // namespace vk

namespace ws {
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t ClipSiblings = 0x04000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t DlgFrame = 0x00400000;
inline constexpr std::uint32_t VScroll = 0x00200000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t ThickFrame = 0x00040000;
inline constexpr std::uint32_t Group = 0x00020000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t MaximizeBox = 0x00010000;
inline constexpr std::uint32_t ExDlgModalFrame = 0x00000001;
inline constexpr std::uint32_t ExToolWindow = 0x00000080;
inline constexpr std::uint32_t ExWindowEdge = 0x00000100;
inline constexpr std::uint32_t ExClientEdge = 0x00000200;
inline constexpr std::uint32_t ExRight = 0x00001000;
inline constexpr std::uint32_t ExRtlReading = 0x00002000;
inline constexpr std::uint32_t ExLeftScrollBar = 0x00004000;
inline constexpr std::uint32_t ExControlParent = 0x00010000;
}  // namespace ws

namespace ss {
inline constexpr std::uint32_t Left = 0x0000;
inline constexpr std::uint32_t Center = 0x0001;
inline constexpr std::uint32_t Right = 0x0002;
inline constexpr std::uint32_t AlignMask = 0x0003;
inline constexpr std::uint32_t NoPrefix = 0x0080;
inline constexpr std::uint32_t Notify = 0x0100;
inline constexpr std::uint32_t CenterImage = 0x0200;
}  // namespace ss

namespace es {
inline constexpr std::uint32_t Multiline = 0x0004;
inline constexpr std::uint32_t AutoVScroll = 0x0040;
inline constexpr std::uint32_t AutoHScroll = 0x0080;
inline constexpr std::uint32_t ReadOnly = 0x0800;
}  // namespace es

namespace bs {
inline constexpr std::uint32_t PushButton = 0x0000;
inline constexpr std::uint32_t CheckBox = 0x0002;
inline constexpr std::uint32_t RadioButton = 0x0004;
inline constexpr std::uint32_t GroupBox = 0x0007;
inline constexpr std::uint32_t OwnerDraw = 0x000B;
inline constexpr std::uint32_t TypeMask = 0x000F;
inline constexpr std::uint32_t LeftText = 0x0020;
}  // namespace bs

namespace cbs {
inline constexpr std::uint32_t DropDown = 0x0002;
inline constexpr std::uint32_t DropDownList = 0x0003;
inline constexpr std::uint32_t AutoHScroll = 0x0040;
}  // namespace cbs

namespace lbs {
inline constexpr std::uint32_t Notify = 0x0001;
inline constexpr std::uint32_t OwnerDrawFixed = 0x0010;
inline constexpr std::uint32_t HasStrings = 0x0040;
inline constexpr std::uint32_t NoIntegralHeight = 0x0100;
}  // namespace lbs

namespace dts {
inline constexpr std::uint32_t ShortDateFormat = 0x0000;
inline constexpr std::uint32_t ShowNone = 0x0002;
inline constexpr std::uint32_t LongDateFormat = 0x0004;
}  // namespace dts

// Message boxes: flags and the buttons they answer with.
namespace mb {
inline constexpr std::uint32_t Ok = 0x0000;
inline constexpr std::uint32_t OkCancel = 0x0001;
inline constexpr std::uint32_t YesNoCancel = 0x0003;
inline constexpr std::uint32_t YesNo = 0x0004;
inline constexpr std::uint32_t IconError = 0x0010;
inline constexpr std::uint32_t IconQuestion = 0x0020;
inline constexpr std::uint32_t IconWarning = 0x0030;
inline constexpr std::uint32_t IconInformation = 0x0040;
inline constexpr std::uint32_t TaskModal = 0x2000;
}  // namespace mb
namespace id {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Retry = 4;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace id

// DrawEdge's edge kinds and sides.
namespace edge {
inline constexpr std::uint32_t RaisedOuter = 0x1;
inline constexpr std::uint32_t SunkenOuter = 0x2;
inline constexpr std::uint32_t RaisedInner = 0x4;
inline constexpr std::uint32_t SunkenInner = 0x8;
inline constexpr std::uint32_t Etched = SunkenOuter | RaisedInner;
inline constexpr std::uint32_t Raised = RaisedOuter | RaisedInner;
inline constexpr std::uint32_t Sunken = SunkenOuter | SunkenInner;
inline constexpr std::uint32_t Left = 0x1;
inline constexpr std::uint32_t Top = 0x2;
inline constexpr std::uint32_t Right = 0x4;
inline constexpr std::uint32_t Bottom = 0x8;
inline constexpr std::uint32_t AllSides = 0xF;
}  // namespace edge

// DrawText flags the canvas understands.
namespace dt {
inline constexpr std::uint32_t Left = 0x0000;
inline constexpr std::uint32_t Center = 0x0001;
inline constexpr std::uint32_t Right = 0x0002;
inline constexpr std::uint32_t VCenter = 0x0004;
inline constexpr std::uint32_t Bottom = 0x0008;
inline constexpr std::uint32_t WordBreak = 0x0010;
inline constexpr std::uint32_t SingleLine = 0x0020;
inline constexpr std::uint32_t CalcRect = 0x0400;
inline constexpr std::uint32_t NoPrefix = 0x0800;
}  // namespace dt

}  // namespace ornil::ui
