// The functions Ornil.dll exports by undecorated name, standard Windows calling convention.
// Natively (tests, the demo) the same functions are plain C functions.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define ORNIL_API __stdcall
#else
#define ORNIL_API
#endif

extern "C" {

// Connection.
std::int32_t ORNIL_API GetApplicationId(std::int32_t n);
std::uintptr_t ORNIL_API RegisterApplication(std::int32_t identifier, char* directory);
void ORNIL_API UnRegisterApplication(std::int32_t identifier);
std::uintptr_t ORNIL_API GetMapInfoDdeConv(std::uintptr_t mapInfoWindow);
std::uint32_t ORNIL_API GetDdeInstId();

// Statement reporting.
std::int32_t ORNIL_API SetMbApplicationExecuteError(std::int32_t executedWithoutError);
std::int32_t ORNIL_API IsPrintingError();
void ORNIL_API SetLastMapInfoErrorString(const char* text);

// Info window.
void ORNIL_API ViewOrnilWindow(std::int16_t x, std::int16_t y, const char* table,
                               std::int32_t rowId, std::int32_t mapWindowId, std::int32_t reserved,
                               std::uint32_t instance, std::uintptr_t mapInfoConv,
                               std::uintptr_t applicationConv, const char* optionsSection);
void ORNIL_API DestroyOrnilWindow();
std::int32_t ORNIL_API IsOrnilWindowOpened();
std::int32_t ORNIL_API IsFindingStarted();
std::int32_t ORNIL_API IsSavingStarted();
void ORNIL_API SetApplicationWindowHandle(std::uintptr_t window);
std::int32_t ORNIL_API GetCurrentAdditionalWindow();
void ORNIL_API UpdateValue();
void ORNIL_API NewValue();

// About window.
void ORNIL_API ViewAboutProg(const char* productText);
void ORNIL_API DestroyAboutWindow();

// The divider and the bordered button for callers built against the library's headers: `owner`
// is one of the library's components, or null for the application object.
void* ORNIL_API TWindowDividerCreate(void* owner);
void* ORNIL_API TBorderBitBtnCreate(void* owner);

// Options.
std::int32_t ORNIL_API SetOptionsFile(const char* path);

// Table setup.
void ORNIL_API ViewSetupTable(std::uint32_t instance, std::uintptr_t mapInfoConv,
                              std::uintptr_t applicationConv);
void ORNIL_API DestroySetupWindow();
}
