// The toolkit's value types: geometry, colours, fonts, anchors, size limits, input state and the
// calendar date the date pickers exchange.
#pragma once

#include <cstdint>
#include <string>

namespace ornil::ui {

using Handle = std::uintptr_t;

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static Rect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Rect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rect&) const = default;
};

// A Windows colour: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
using Color = std::uint32_t;
inline constexpr Color kColorBlack = 0x000000;
inline constexpr Color kColorWhite = 0xFFFFFF;
inline constexpr Color kColorSilver = 0xC0C0C0;
inline constexpr Color kColorGray = 0x808080;
inline constexpr Color kColorGreen = 0x008000;
inline constexpr Color kColorRed = 0x0000FF;
inline constexpr Color kColorNavy = 0x800000;
inline constexpr Color kColorWindow = 0xFF000005;
inline constexpr Color kColorWindowText = 0xFF000008;
inline constexpr Color kColorBtnFace = 0xFF00000F;
inline constexpr Color kColorBtnShadow = 0xFF000010;
inline constexpr Color kColorGrayText = 0xFF000011;
inline constexpr Color kColorBtnText = 0xFF000012;
inline constexpr Color kColorBtnHighlight = 0xFF000014;
inline constexpr Color kColorHighlight = 0xFF00000D;
inline constexpr Color kColorHighlightText = 0xFF00000E;
inline constexpr Color kColorInfoBk = 0xFF000018;
inline constexpr bool IsSystemColor(Color c) {
  return c >= 0xFF000000 && c <= 0xFF00001E;
}

inline constexpr int kCharsetDefault = 1;
inline constexpr int kCharsetRussian = 204;

struct Font {
  std::string name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels, as in LOGFONT
  int charset = kCharsetDefault;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Color color = kColorWindowText;
  bool operator==(const Font&) const = default;
};

// Arial in the Russian character set, the given number of pixels high: the library's windows'
// font.
inline Font RussianArial(int pixels) {
  Font font;
  font.name = "Arial";
  font.height = -pixels;
  font.charset = kCharsetRussian;
  return font;
}

// Which parent edges a control keeps its distance to when the parent is resized.
enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
using Anchors = unsigned;
inline constexpr Anchors kAnchorsDefault = kAnchorLeft | kAnchorTop;
inline constexpr Anchors kAnchorsAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;

// Size limits; 0 means none.
struct Constraints {
  int minWidth = 0;
  int minHeight = 0;
  int maxWidth = 0;
  int maxHeight = 0;
  bool operator==(const Constraints&) const = default;
};

enum class Alignment { Left, Right, Center };
enum class Layout { Top, Center, Bottom };

enum class MouseButton { Left, Right, Middle };
enum Shift : unsigned {
  kShiftNone = 0,
  kShiftShift = 1,
  kShiftAlt = 2,
  kShiftCtrl = 4,
  kShiftLeft = 8,
  kShiftRight = 16,
};
using ShiftState = unsigned;

// A calendar date and time, laid out as Win32's SYSTEMTIME.
struct SystemTime {
  std::uint16_t year = 0;
  std::uint16_t month = 0;
  std::uint16_t dayOfWeek = 0;
  std::uint16_t day = 0;
  std::uint16_t hour = 0;
  std::uint16_t minute = 0;
  std::uint16_t second = 0;
  std::uint16_t milliseconds = 0;

  static SystemTime Date(int year, int month, int day);
  bool SameDate(const SystemTime& o) const {
    return year == o.year && month == o.month && day == o.day;
  }
  bool IsValidDate() const;
};

// Day of the week (0 Sunday) and days in a month, proleptic Gregorian.
int DayOfWeek(int year, int month, int day);
int DaysInMonth(int year, int month);
// The date n days later (or earlier for negative n).
SystemTime AddDays(const SystemTime& date, int days);
// The date of a calendar time in seconds since 1970 (UTC).
SystemTime DateFromCalendarSeconds(std::int64_t seconds);

}  // namespace ornil::ui
