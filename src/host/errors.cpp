// Texts of DDE failures and the boundary's message box.
#include "host/errors.h"

#include <cstdio>

#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil {

std::string FunctionPrefix(std::string_view name) {
  std::string s = "Ошибка в функции "_cp;
  s += name;
  s += ". ";
  return s;
}

std::string DdeErrorText(std::uint32_t code) {
  switch (code) {
    case 0:
      return {};
    case 0x4002:
      return "Время, отведённое для DDE запроса истекло"_cp;
    case 0x4006:
      return "Указаны неверные параметры для осуществления динамического обмена данными"_cp;
    case 0x4007:
    case 0x4008:
      return "Нехватка памяти для осуществления динамического обмена данными"_cp;
    case 0x4009:
      return "Транзакция динамического обмена данными не выполнена"_cp;
    case 0x400A:
      return "Не установлен сеанс динамического обмена данными"_cp;
    case 0x400F:
      return "Произошла внутренняя ошибка в библиотеке DDEML"_cp;
    default:
      return "Ошибка динамического обмена данными"_cp;
  }
}

std::string FormatDdeError(std::string_view text, std::uint32_t code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(code));
  std::string s(text);
  s += ' ';
  s += DdeErrorText(code);
  s += " (№ ошибки $"_cp;
  s += hex;
  s += ')';
  return s;
}

std::string BoundaryMessage(std::string_view text, std::exception_ptr failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const DdeError& e) {
    return FormatDdeError(std::string(text) + e.Message(), static_cast<std::uint32_t>(e.Code()));
  } catch (const OrnilError& e) {
    return std::string(text) + e.Message();
  } catch (...) {
    return std::string(text);
  }
}

void ShowErrorBox(const std::string& message) {
  try {
    if (auto* dialogs = platform::Current().dialogs) {
      dialogs->ShowMessageBox(message, "Ошибка"_cp, kErrorBoxFlags);
    }
  } catch (...) {
    // The box is the last resort; a failure to show it must not escape a boundary.
  }
}

}  // namespace ornil
