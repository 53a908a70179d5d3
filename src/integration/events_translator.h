// The message translation hook: inside the host, whose loop pumps the messages, it does for the
// library's windows what the class library's own loop would: reflected key messages, dialog and
// MDI navigation, mouse enter and leave; and it keeps Tab and Esc characters from the library's
// controls. Installed on the loading thread when the library loads, removed when it unloads or
// at its first failure.
//
// Our controls answer the reflected key notifications (the key message's number + 0xBC00) with 0:
// their key handling (OnKeyDown, OnKeyPress, the form's Tab, Esc and Enter) runs when the host
// dispatches the key message itself, which the hook cannot stop; answering here too would act on
// every key twice.
#pragma once

#include <cstdint>

#include "platform/hooks.h"

namespace ornil {

void InitializeEventsTranslatorModule();
void FinalizeEventsTranslatorModule();

// The WH_GETMESSAGE procedure: lParam points at the MSG being retrieved.
std::intptr_t VclEventsTranslatorHookProc(int code, std::uintptr_t wParam, std::intptr_t lParam);

bool IsKeyMsg(const platform::MessageRecord& message);
bool IsMDIMsg(platform::MessageRecord& message);
bool IsDlgMsg(platform::MessageRecord& message);
void DoMouseIdle();

// Whether the hook is installed (a failure removes it).
bool EventsTranslatorInstalled();

}  // namespace ornil
