// The scripted DDEML: string handles are positions in a list, data handles keys of a map.
#include "win32/support/scripted_ddeml.h"

#include <cstring>

#include "host/error_reporting.h"

namespace ornil::win32test {

std::uint32_t ScriptedDdeml::DdeInitialize(std::uint32_t* inst, platform::DdeCallbackFn,
                                           std::uint32_t, std::uint32_t) {
  *inst = 1;
  return 0;
}

platform::Hsz ScriptedDdeml::DdeCreateStringHandle(std::uint32_t, const char* text, int) {
  strings_.push_back(text);
  return strings_.size();
}

platform::HDdeData ScriptedDdeml::Keep(std::string bytes) {
  const platform::HDdeData handle = nextData_++;
  data_[handle] = std::move(bytes);
  return handle;
}

platform::HDdeData ScriptedDdeml::DdeCreateDataHandle(std::uint32_t, const void* src,
                                                      std::uint32_t cb, std::uint32_t,
                                                      platform::Hsz, std::uint32_t, std::uint32_t) {
  return Keep(std::string(static_cast<const char*>(src), cb));
}

platform::HDdeData ScriptedDdeml::DdeClientTransaction(const void* data, std::uint32_t cbData,
                                                       platform::HConv, platform::Hsz item,
                                                       std::uint32_t, std::uint32_t type,
                                                       std::uint32_t, std::uint32_t*) {
  if (type == XTYP_EXECUTE) {
    const auto handle = reinterpret_cast<platform::HDdeData>(data);
    std::string statement = cbData == 0xFFFFFFFF ? data_[handle] : std::string();
    data_.erase(handle);
    statement.resize(std::strlen(statement.c_str()));
    sent_.push_back("E: " + statement);
    Reporting().LastExecuteOk = true;
    return 1;
  }
  const std::string& expression = strings_.at(item - 1);
  sent_.push_back("R: " + expression);
  const std::string answer = answer_(expression);
  sent_.back() += " -> " + answer;
  return Keep(std::string(answer.c_str(), answer.size() + 1));
}

std::uint8_t* ScriptedDdeml::DdeAccessData(platform::HDdeData data, std::uint32_t* size) {
  auto found = data_.find(data);
  if (found == data_.end()) return nullptr;
  if (size != nullptr) *size = static_cast<std::uint32_t>(found->second.size());
  return reinterpret_cast<std::uint8_t*>(found->second.data());
}

bool ScriptedDdeml::DdeFreeDataHandle(platform::HDdeData data) {
  return data_.erase(data) > 0;
}

}  // namespace ornil::win32test
