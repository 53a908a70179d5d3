// A DDEML stand-in for the Win32 programs that show the library's windows without a host: it
// answers Requests from a function of the expression and takes every Execute as done, reporting
// success as the companion would. Include it first.
#pragma once

#include "platform/win32/win32_api.h"
// DDEML's A/W macros would rename the seam's members.
#undef DdeInitialize
#undef DdeCreateStringHandle

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ddeml.h"

namespace ornil::win32test {

class ScriptedDdeml : public platform::Ddeml {
 public:
  explicit ScriptedDdeml(std::function<std::string(const std::string&)> answer)
      : answer_(std::move(answer)) {}

  // Every Request and Execute so far, as "R: text -> answer" and "E: text".
  const std::vector<std::string>& Sent() const { return sent_; }

  std::uint32_t DdeInitialize(std::uint32_t* inst, platform::DdeCallbackFn, std::uint32_t,
                              std::uint32_t) override;
  bool DdeUninitialize(std::uint32_t) override { return true; }
  platform::HConvList DdeConnectList(std::uint32_t, platform::Hsz, platform::Hsz,
                                     platform::HConvList, const void*) override {
    return 0;
  }
  platform::HConv DdeQueryNextServer(platform::HConvList, platform::HConv) override { return 0; }
  bool DdeDisconnect(platform::HConv) override { return true; }
  bool DdeDisconnectList(platform::HConvList) override { return true; }
  platform::HDdeData DdeClientTransaction(const void* data, std::uint32_t cbData,
                                          platform::HConv conv, platform::Hsz item,
                                          std::uint32_t fmt, std::uint32_t type,
                                          std::uint32_t timeout, std::uint32_t* result) override;
  platform::Hsz DdeCreateStringHandle(std::uint32_t, const char* text, int) override;
  bool DdeFreeStringHandle(std::uint32_t, platform::Hsz) override { return true; }
  platform::HDdeData DdeCreateDataHandle(std::uint32_t, const void* src, std::uint32_t cb,
                                         std::uint32_t, platform::Hsz, std::uint32_t,
                                         std::uint32_t) override;
  std::uint8_t* DdeAccessData(platform::HDdeData data, std::uint32_t* size) override;
  bool DdeUnaccessData(platform::HDdeData) override { return true; }
  bool DdeFreeDataHandle(platform::HDdeData data) override;
  std::uint32_t DdeGetLastError(std::uint32_t) override { return 0; }

 private:
  platform::HDdeData Keep(std::string bytes);

  std::function<std::string(const std::string&)> answer_;
  std::vector<std::string> strings_;
  std::map<platform::HDdeData, std::string> data_;
  platform::HDdeData nextData_ = 1;
  std::vector<std::string> sent_;
};

}  // namespace ornil::win32test
