// The DDEML seam: the DDE Management Library functions the host link calls, one to one, so the
// library's code reads as the DDEML calls it makes. Real backend: platform/win32; tests: sim/dde.
#pragma once

#include <cstdint>

namespace ornil::platform {

using HConv = std::uintptr_t;
using HConvList = std::uintptr_t;
using Hsz = std::uintptr_t;
using HDdeData = std::uintptr_t;

using DdeCallbackFn = HDdeData (*)(std::uint32_t type, std::uint32_t fmt, HConv conv, Hsz hsz1,
                                   Hsz hsz2, HDdeData data, std::uintptr_t data1,
                                   std::uintptr_t data2);

class Ddeml {
 public:
  virtual ~Ddeml() = default;

  virtual std::uint32_t DdeInitialize(std::uint32_t* inst, DdeCallbackFn callback,
                                      std::uint32_t afCmd, std::uint32_t ulRes) = 0;
  virtual bool DdeUninitialize(std::uint32_t inst) = 0;
  virtual HConvList DdeConnectList(std::uint32_t inst, Hsz service, Hsz topic, HConvList list,
                                   const void* context) = 0;
  virtual HConv DdeQueryNextServer(HConvList list, HConv previous) = 0;
  virtual bool DdeDisconnect(HConv conv) = 0;
  virtual bool DdeDisconnectList(HConvList list) = 0;
  // `data` is the bytes to send, or the data handle itself when cbData is 0xFFFFFFFF.
  virtual HDdeData DdeClientTransaction(const void* data, std::uint32_t cbData, HConv conv,
                                        Hsz item, std::uint32_t fmt, std::uint32_t type,
                                        std::uint32_t timeout, std::uint32_t* result) = 0;
  virtual Hsz DdeCreateStringHandle(std::uint32_t inst, const char* text, int codePage) = 0;
  virtual bool DdeFreeStringHandle(std::uint32_t inst, Hsz hsz) = 0;
  virtual HDdeData DdeCreateDataHandle(std::uint32_t inst, const void* src, std::uint32_t cb,
                                       std::uint32_t offset, Hsz item, std::uint32_t fmt,
                                       std::uint32_t cmd) = 0;
  virtual std::uint8_t* DdeAccessData(HDdeData data, std::uint32_t* size) = 0;
  virtual bool DdeUnaccessData(HDdeData data) = 0;
  virtual bool DdeFreeDataHandle(HDdeData data) = 0;
  virtual std::uint32_t DdeGetLastError(std::uint32_t inst) = 0;
};

}  // namespace ornil::platform
