// A simulated DDE network behind the DDEML seam: servers by service and topic, conversations and
// conversation lists, Requests and Executes, fault injection and a transcript of every transaction.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ddeml.h"

namespace ornil::sim {

// One DDE server on one service and topic. Handlers run on the caller's thread, inside the
// client's transaction, and may call back into the library (same-thread re-entrancy).
class DdeServer {
 public:
  virtual ~DdeServer() = default;
  // false: the server refuses the Execute (DDE_FNOTPROCESSED).
  virtual bool Execute(const std::string& command) = 0;
  // nullopt: no data (the client sees DMLERR_NOTPROCESSED).
  virtual std::optional<std::string> Request(const std::string& item) = 0;
};

// A server made of two functions, for tests.
class ScriptedDdeServer : public DdeServer {
 public:
  std::function<bool(const std::string&)> onExecute = [](const std::string&) { return true; };
  std::function<std::optional<std::string>(const std::string&)> onRequest = [](const std::string&) {
    return std::nullopt;
  };
  bool Execute(const std::string& command) override { return onExecute(command); }
  std::optional<std::string> Request(const std::string& item) override { return onRequest(item); }
};

struct DdeTransaction {
  enum class Kind { ConnectList, Request, Execute };
  Kind kind;
  std::string service;
  std::string topic;
  std::string text;  // the item of a Request, the command of an Execute
  bool operator==(const DdeTransaction&) const = default;
};

// DDEML's rules as Windows applies them: a failing call sets its instance's error, which stays
// pending until DdeGetLastError reads it, whatever succeeds in between. A data handle given to a
// transaction belongs to DDEML from then on and is freed by it; freeing it again fails and leaves
// DMLERR_INVALIDPARAMETER pending. A server reads CF_TEXT up to its terminating zero, and past the
// end of a data object that has none.
class DdeNetwork : public platform::Ddeml {
 public:
  DdeNetwork();
  ~DdeNetwork() override;

  // Service and topic compare without regard to letter case, as DDE string handles do.
  int AddServer(const std::string& service, const std::string& topic, DdeServer* server);
  void RemoveServer(int id);
  // A connect list finds servers in the order they were added; this one comes first from now on,
  // as a server whose window is higher in the Z order.
  void ServeFirst(int id);

  // Called for every conversation a disconnect ends: Windows then has the partners' terminate
  // messages waiting in the client's queue.
  std::function<void(platform::HConv)> onTerminated;

  // The n-th transaction from now (0-based; connect lists, Requests and Executes count) fails
  // with the DDEML error code instead of reaching a server.
  void FailTransaction(int n, std::uint32_t code);
  // Every transaction for which the rule answers a code fails with it.
  void FailWhen(std::function<std::optional<std::uint32_t>(const DdeTransaction&)> rule);
  void ClearFaults();
  int TransactionCount() const { return counted_; }

  std::vector<DdeTransaction>& Transcript() { return transcript_; }
  // Only Requests and Executes, as "R: text" and "E: text".
  std::vector<std::string> TranscriptLines() const;

  // What is still allocated: open conversations, lists, string and data handles.
  int OpenConversations() const;
  int OpenLists() const;
  int LiveStringHandles() const;
  int LiveDataHandles() const;
  int Instances() const;

  // Platform::Ddeml
  std::uint32_t DdeInitialize(std::uint32_t* inst, platform::DdeCallbackFn callback,
                              std::uint32_t afCmd, std::uint32_t ulRes) override;
  bool DdeUninitialize(std::uint32_t inst) override;
  platform::HConvList DdeConnectList(std::uint32_t inst, platform::Hsz service, platform::Hsz topic,
                                     platform::HConvList list, const void* context) override;
  platform::HConv DdeQueryNextServer(platform::HConvList list, platform::HConv previous) override;
  bool DdeDisconnect(platform::HConv conv) override;
  bool DdeDisconnectList(platform::HConvList list) override;
  platform::HDdeData DdeClientTransaction(const void* data, std::uint32_t cbData,
                                          platform::HConv conv, platform::Hsz item,
                                          std::uint32_t fmt, std::uint32_t type,
                                          std::uint32_t timeout, std::uint32_t* result) override;
  platform::Hsz DdeCreateStringHandle(std::uint32_t inst, const char* text, int codePage) override;
  bool DdeFreeStringHandle(std::uint32_t inst, platform::Hsz hsz) override;
  platform::HDdeData DdeCreateDataHandle(std::uint32_t inst, const void* src, std::uint32_t cb,
                                         std::uint32_t offset, platform::Hsz item,
                                         std::uint32_t fmt, std::uint32_t cmd) override;
  std::uint8_t* DdeAccessData(platform::HDdeData data, std::uint32_t* size) override;
  bool DdeUnaccessData(platform::HDdeData data) override;
  bool DdeFreeDataHandle(platform::HDdeData data) override;
  std::uint32_t DdeGetLastError(std::uint32_t inst) override;

 private:
  struct Server {
    std::string service, topic;
    DdeServer* server;
  };
  struct Conversation {
    std::uint32_t instance;
    int server;  // 0 once the server is gone
    platform::HConvList list;
  };
  struct Instance {
    std::uint32_t lastError = 0;
  };
  struct DataObject {
    std::uint32_t instance;
    std::vector<std::uint8_t> bytes;
  };

  std::optional<std::uint32_t> Fault(const DdeTransaction& t);
  void SetError(std::uint32_t inst, std::uint32_t code);
  std::string StringOf(platform::Hsz hsz) const;
  // The text an Execute carries: a data handle (cbData 0xFFFFFFFF), which DDEML takes over, or
  // the bytes themselves. nullopt: no such data handle.
  std::optional<std::string> ExecuteText(const void* data, std::uint32_t cbData);

  std::uintptr_t nextHandle_ = 0x100;
  std::map<int, Server> servers_;
  std::vector<int> order_;
  int nextServer_ = 1;
  std::map<std::uint32_t, Instance> instances_;
  std::uint32_t nextInstance_ = 1;
  std::map<platform::Hsz, std::pair<std::string, int>> strings_;  // text, reference count
  std::map<platform::HDdeData, DataObject> data_;
  // Handles a transaction took over and DDEML freed, with their instance.
  std::map<platform::HDdeData, std::uint32_t> taken_;
  std::map<platform::HConv, Conversation> conversations_;
  std::map<platform::HConvList, std::vector<platform::HConv>> lists_;

  std::vector<DdeTransaction> transcript_;
  int counted_ = 0;
  std::map<int, std::uint32_t> faultsAt_;
  std::function<std::optional<std::uint32_t>(const DdeTransaction&)> faultRule_;
};

}  // namespace ornil::sim
