// The DDEML seam on user32's DDE Management Library.
#include <windows.h>

#include <ddeml.h>

// The seam's methods carry the plain DDEML names; keep <windows.h>'s A/W macros off them.
#undef DdeInitialize
#undef DdeCreateStringHandle

#include "platform/win32/win32_seams.h"

namespace ornil::platform::win32 {

namespace {

DdeCallbackFn g_callback = nullptr;
std::uint32_t g_timeoutOverride = 0;

HDDEDATA CALLBACK Trampoline(UINT type, UINT fmt, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                             ULONG_PTR data1, ULONG_PTR data2) {
  if (g_callback == nullptr) return nullptr;
  return reinterpret_cast<HDDEDATA>(
      g_callback(type, fmt, reinterpret_cast<HConv>(conv), reinterpret_cast<Hsz>(hsz1),
                 reinterpret_cast<Hsz>(hsz2), reinterpret_cast<HDdeData>(data), data1, data2));
}

template <class T>
T H(std::uintptr_t v) {
  return reinterpret_cast<T>(v);
}
template <class T>
std::uintptr_t U(T v) {
  return reinterpret_cast<std::uintptr_t>(v);
}

class Win32Ddeml : public Ddeml {
 public:
  std::uint32_t DdeInitialize(std::uint32_t* inst, DdeCallbackFn callback, std::uint32_t afCmd,
                              std::uint32_t ulRes) override {
    g_callback = callback;
    DWORD id = *inst;
    const UINT result = ::DdeInitializeA(&id, &Trampoline, afCmd, ulRes);
    *inst = id;
    return result;
  }
  bool DdeUninitialize(std::uint32_t inst) override { return ::DdeUninitialize(inst) != 0; }
  HConvList DdeConnectList(std::uint32_t inst, Hsz service, Hsz topic, HConvList list,
                           const void* context) override {
    return U(::DdeConnectList(inst, H<HSZ>(service), H<HSZ>(topic), H<HCONVLIST>(list),
                              const_cast<PCONVCONTEXT>(static_cast<const CONVCONTEXT*>(context))));
  }
  HConv DdeQueryNextServer(HConvList list, HConv previous) override {
    return U(::DdeQueryNextServer(H<HCONVLIST>(list), H<HCONV>(previous)));
  }
  bool DdeDisconnect(HConv conv) override { return ::DdeDisconnect(H<HCONV>(conv)) != 0; }
  bool DdeDisconnectList(HConvList list) override {
    return ::DdeDisconnectList(H<HCONVLIST>(list)) != 0;
  }
  HDdeData DdeClientTransaction(const void* data, std::uint32_t cbData, HConv conv, Hsz item,
                                std::uint32_t fmt, std::uint32_t type, std::uint32_t timeout,
                                std::uint32_t* result) override {
    DWORD word = 0;
    const DWORD wait = timeout == 0 && g_timeoutOverride != 0 ? g_timeoutOverride : timeout;
    const HDDEDATA answer =
        ::DdeClientTransaction(static_cast<LPBYTE>(const_cast<void*>(data)), cbData, H<HCONV>(conv),
                               H<HSZ>(item), fmt, type, wait, result ? &word : nullptr);
    if (result) *result = word;
    return U(answer);
  }
  Hsz DdeCreateStringHandle(std::uint32_t inst, const char* text, int codePage) override {
    return U(::DdeCreateStringHandleA(inst, text, codePage));
  }
  bool DdeFreeStringHandle(std::uint32_t inst, Hsz hsz) override {
    return ::DdeFreeStringHandle(inst, H<HSZ>(hsz)) != 0;
  }
  HDdeData DdeCreateDataHandle(std::uint32_t inst, const void* src, std::uint32_t cb,
                               std::uint32_t offset, Hsz item, std::uint32_t fmt,
                               std::uint32_t cmd) override {
    return U(::DdeCreateDataHandle(inst, static_cast<LPBYTE>(const_cast<void*>(src)), cb, offset,
                                   H<HSZ>(item), fmt, cmd));
  }
  std::uint8_t* DdeAccessData(HDdeData data, std::uint32_t* size) override {
    DWORD n = 0;
    BYTE* bytes = ::DdeAccessData(H<HDDEDATA>(data), &n);
    if (size) *size = n;
    return bytes;
  }
  bool DdeUnaccessData(HDdeData data) override { return ::DdeUnaccessData(H<HDDEDATA>(data)) != 0; }
  bool DdeFreeDataHandle(HDdeData data) override {
    return ::DdeFreeDataHandle(H<HDDEDATA>(data)) != 0;
  }
  std::uint32_t DdeGetLastError(std::uint32_t inst) override { return ::DdeGetLastError(inst); }
};

}  // namespace

Ddeml& RealDdeml() {
  static Win32Ddeml ddeml;
  return ddeml;
}

void SetTransactionTimeoutOverride(std::uint32_t milliseconds) {
  g_timeoutOverride = milliseconds;
}

}  // namespace ornil::platform::win32
