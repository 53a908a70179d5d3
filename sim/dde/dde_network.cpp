// The simulated DDE network.
#include "sim/dde/dde_network.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/ddeml_codes.h"
#include "text/cp1251.h"

namespace ornil::sim {

using namespace ornil::dde;
using platform::HConv;
using platform::HConvList;
using platform::HDdeData;
using platform::Hsz;

DdeNetwork::DdeNetwork() = default;
DdeNetwork::~DdeNetwork() = default;

int DdeNetwork::AddServer(const std::string& service, const std::string& topic, DdeServer* server) {
  servers_[nextServer_] = {service, topic, server};
  order_.push_back(nextServer_);
  return nextServer_++;
}

void DdeNetwork::ServeFirst(int id) {
  std::erase(order_, id);
  order_.insert(order_.begin(), id);
}

void DdeNetwork::RemoveServer(int id) {
  servers_.erase(id);
  std::erase(order_, id);
  for (auto& [handle, conv] : conversations_) {
    if (conv.server == id) conv.server = 0;
  }
}

void DdeNetwork::FailTransaction(int n, std::uint32_t code) {
  faultsAt_[counted_ + n] = code;
}

void DdeNetwork::FailWhen(std::function<std::optional<std::uint32_t>(const DdeTransaction&)> rule) {
  faultRule_ = std::move(rule);
}

void DdeNetwork::ClearFaults() {
  faultsAt_.clear();
  faultRule_ = nullptr;
}

std::optional<std::uint32_t> DdeNetwork::Fault(const DdeTransaction& t) {
  transcript_.push_back(t);
  const int index = counted_++;
  if (auto it = faultsAt_.find(index); it != faultsAt_.end()) {
    const auto code = it->second;
    faultsAt_.erase(it);
    return code;
  }
  if (faultRule_) return faultRule_(t);
  return std::nullopt;
}

std::vector<std::string> DdeNetwork::TranscriptLines() const {
  std::vector<std::string> lines;
  for (const auto& t : transcript_) {
    if (t.kind == DdeTransaction::Kind::Request) lines.push_back("R: " + t.text);
    if (t.kind == DdeTransaction::Kind::Execute) lines.push_back("E: " + t.text);
  }
  return lines;
}

int DdeNetwork::OpenConversations() const {
  return static_cast<int>(conversations_.size());
}
int DdeNetwork::OpenLists() const {
  return static_cast<int>(lists_.size());
}
int DdeNetwork::LiveStringHandles() const {
  return static_cast<int>(strings_.size());
}
int DdeNetwork::LiveDataHandles() const {
  return static_cast<int>(data_.size());
}
int DdeNetwork::Instances() const {
  return static_cast<int>(instances_.size());
}

void DdeNetwork::SetError(std::uint32_t inst, std::uint32_t code) {
  if (auto it = instances_.find(inst); it != instances_.end()) it->second.lastError = code;
}

std::string DdeNetwork::StringOf(Hsz hsz) const {
  auto it = strings_.find(hsz);
  return it == strings_.end() ? std::string() : it->second.first;
}

std::uint32_t DdeNetwork::DdeInitialize(std::uint32_t* inst, platform::DdeCallbackFn, std::uint32_t,
                                        std::uint32_t) {
  if (inst == nullptr) return DMLERR_INVALIDPARAMETER;
  *inst = nextInstance_++;
  instances_[*inst] = {};
  return DMLERR_NO_ERROR;
}

bool DdeNetwork::DdeUninitialize(std::uint32_t inst) {
  for (auto it = conversations_.begin(); it != conversations_.end();) {
    it = it->second.instance == inst ? conversations_.erase(it) : std::next(it);
  }
  std::erase_if(lists_, [&](const auto& entry) {
    return entry.second.empty() || !conversations_.contains(entry.second.front());
  });
  return instances_.erase(inst) > 0;
}

HConvList DdeNetwork::DdeConnectList(std::uint32_t inst, Hsz service, Hsz topic, HConvList list,
                                     const void*) {
  if (!instances_.contains(inst)) return 0;
  const std::string serviceName = StringOf(service);
  const std::string topicName = StringOf(topic);
  if (auto code = Fault({DdeTransaction::Kind::ConnectList, serviceName, topicName, {}})) {
    SetError(inst, *code);
    return 0;
  }
  std::vector<HConv> convs;
  for (const int id : order_) {
    const Server& server = servers_.at(id);
    if (text::Lower(server.service) != text::Lower(serviceName)) continue;
    if (text::Lower(server.topic) != text::Lower(topicName)) continue;
    const HConv conv = nextHandle_++;
    conversations_[conv] = {inst, id, 0};
    convs.push_back(conv);
  }
  if (convs.empty()) {
    SetError(inst, DMLERR_NO_CONV_ESTABLISHED);
    return 0;
  }
  if (list == 0) list = nextHandle_++;
  for (HConv conv : convs) {
    conversations_[conv].list = list;
    lists_[list].push_back(conv);
  }
  return list;
}

HConv DdeNetwork::DdeQueryNextServer(HConvList list, HConv previous) {
  auto it = lists_.find(list);
  if (it == lists_.end()) return 0;
  auto& convs = it->second;
  if (previous == 0) return convs.empty() ? 0 : convs.front();
  auto pos = std::find(convs.begin(), convs.end(), previous);
  if (pos == convs.end() || std::next(pos) == convs.end()) return 0;
  return *std::next(pos);
}

bool DdeNetwork::DdeDisconnect(HConv conv) {
  auto it = conversations_.find(conv);
  if (it == conversations_.end()) return false;
  if (auto list = lists_.find(it->second.list); list != lists_.end())
    std::erase(list->second, conv);
  conversations_.erase(it);
  if (onTerminated) onTerminated(conv);
  return true;
}

bool DdeNetwork::DdeDisconnectList(HConvList list) {
  auto it = lists_.find(list);
  if (it == lists_.end()) return false;
  const std::vector<HConv> ended = std::move(it->second);
  lists_.erase(it);
  for (HConv conv : ended) {
    conversations_.erase(conv);
    if (onTerminated) onTerminated(conv);
  }
  return true;
}

HDdeData DdeNetwork::DdeClientTransaction(const void* data, std::uint32_t cbData, HConv conv,
                                          Hsz item, std::uint32_t fmt, std::uint32_t type,
                                          std::uint32_t, std::uint32_t* result) {
  auto found = conversations_.find(conv);
  if (found == conversations_.end()) return 0;  // no instance to tell: DDEML does the same
  const std::uint32_t inst = found->second.instance;
  const int serverId = found->second.server;
  if (fmt != CF_TEXT || (type != XTYP_EXECUTE && type != XTYP_REQUEST)) {
    SetError(inst, DMLERR_INVALIDPARAMETER);
    return 0;
  }
  if (result) *result = 0;

  std::string text;
  if (type == XTYP_EXECUTE) {
    const auto command = ExecuteText(data, cbData);
    if (!command) {
      SetError(inst, DMLERR_INVALIDPARAMETER);
      return 0;
    }
    text = *command;
  } else {
    text = StringOf(item);
  }

  auto server = servers_.find(serverId);
  const auto kind =
      type == XTYP_EXECUTE ? DdeTransaction::Kind::Execute : DdeTransaction::Kind::Request;
  const DdeTransaction t{kind, server != servers_.end() ? server->second.service : "",
                         server != servers_.end() ? server->second.topic : "", text};
  if (auto code = Fault(t)) {
    SetError(inst, *code);
    return 0;
  }
  if (server == servers_.end()) {
    SetError(inst, DMLERR_NO_CONV_ESTABLISHED);
    return 0;
  }
  // The server may re-enter the library, which may run transactions of its own on this instance;
  // this transaction's failure is set once the server is done, so it is the one the client reads.
  DdeServer* handler = server->second.server;
  if (type == XTYP_EXECUTE) {
    const bool done = handler->Execute(text);
    if (!done) {
      SetError(inst, DMLERR_NOTPROCESSED);
      return 0;
    }
    if (result) *result = DDE_FACK;
    return 1;
  }
  const auto answer = handler->Request(text);
  if (!answer) {
    SetError(inst, DMLERR_NOTPROCESSED);
    return 0;
  }
  const HDdeData handle = nextHandle_++;
  auto& bytes = data_[handle] = {inst, {answer->begin(), answer->end()}};
  bytes.bytes.push_back(0);
  return handle;
}

Hsz DdeNetwork::DdeCreateStringHandle(std::uint32_t inst, const char* text, int) {
  if (!instances_.contains(inst) || text == nullptr) {
    SetError(inst, DMLERR_INVALIDPARAMETER);
    return 0;
  }
  const Hsz hsz = nextHandle_++;
  strings_[hsz] = {text, 1};
  return hsz;
}

bool DdeNetwork::DdeFreeStringHandle(std::uint32_t, Hsz hsz) {
  return strings_.erase(hsz) > 0;
}

HDdeData DdeNetwork::DdeCreateDataHandle(std::uint32_t inst, const void* src, std::uint32_t cb,
                                         std::uint32_t offset, Hsz, std::uint32_t, std::uint32_t) {
  if (!instances_.contains(inst)) return 0;
  const HDdeData handle = nextHandle_++;
  auto& bytes = data_[handle] = {inst, std::vector<std::uint8_t>(offset + cb)};
  if (src != nullptr) std::memcpy(bytes.bytes.data() + offset, src, cb);
  return handle;
}

std::uint8_t* DdeNetwork::DdeAccessData(HDdeData data, std::uint32_t* size) {
  auto it = data_.find(data);
  if (it == data_.end()) return nullptr;
  if (size) *size = static_cast<std::uint32_t>(it->second.bytes.size());
  return it->second.bytes.data();
}

bool DdeNetwork::DdeUnaccessData(HDdeData data) {
  return data_.contains(data);
}

bool DdeNetwork::DdeFreeDataHandle(HDdeData data) {
  if (data_.erase(data) > 0) return true;
  if (auto taken = taken_.find(data); taken != taken_.end())
    SetError(taken->second, DMLERR_INVALIDPARAMETER);
  return false;
}

std::optional<std::string> DdeNetwork::ExecuteText(const void* data, std::uint32_t cbData) {
  std::vector<std::uint8_t> bytes;
  if (cbData == 0xFFFFFFFF) {
    const HDdeData handle = reinterpret_cast<HDdeData>(data);
    auto object = data_.find(handle);
    if (object == data_.end()) return std::nullopt;
    bytes = std::move(object->second.bytes);
    taken_[handle] = object->second.instance;
    data_.erase(object);
  } else if (data != nullptr) {
    const auto* begin = static_cast<const std::uint8_t*>(data);
    bytes.assign(begin, begin + cbData);
  }
  const auto* text = reinterpret_cast<const char*>(bytes.data());
  const std::size_t length = strnlen(text, bytes.size());
  std::string command(text, length);
  // Without its zero the server reads on into whatever memory follows the object.
  if (length == bytes.size() && !bytes.empty()) command += "\xCD\xCD\xCD\xCD";
  return command;
}

std::uint32_t DdeNetwork::DdeGetLastError(std::uint32_t inst) {
  auto it = instances_.find(inst);
  if (it == instances_.end()) return DMLERR_DLL_NOT_INITIALIZED;
  return std::exchange(it->second.lastError, DMLERR_NO_ERROR);
}

}  // namespace ornil::sim
