// The library's DDEML instance and its conversations: the transaction primitives every DDE user
// inherits, the one MapInfo conversation, and the table of registered companion applications.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ddeml.h"

namespace ornil {

using platform::HConv;
using platform::HConvList;

class TMapInfoAbstract {
 public:
  explicit TMapInfoAbstract(std::uint32_t instance = 0) : instance_(instance) {}
  virtual ~TMapInfoAbstract() = default;

  std::uint32_t Instance() const { return instance_; }

  void DdeExecute(HConv conv, std::string_view statement) const;
  std::string DdeRequest(HConv conv, std::string_view expression) const;

 protected:
  std::uint32_t instance_ = 0;
};

struct TMBApplication {
  std::int32_t Identifier = 0;
  HConvList ConvList = 0;
  HConv Conv = 0;
  std::string Directory;  // lower case
  std::string Topic;      // the atom name used as DDE topic
};
using TMBApplications = std::vector<TMBApplication>;

class TMapInfoConnect : public TMapInfoAbstract {
 public:
  TMapInfoConnect();
  ~TMapInfoConnect() override;
  TMapInfoConnect(const TMapInfoConnect&) = delete;
  TMapInfoConnect& operator=(const TMapInfoConnect&) = delete;

  void NewMapInfoDdeConv();
  void CloseMapInfoDdeConv();
  void CloseApplicationDdeConv(TMBApplication& record);
  void CloseAllApplicationDdeConv();
  bool NewApplicationDdeConv(TMBApplication& record, std::string_view directory);
  // Lower-cases `directory` in place, in the caller's buffer.
  HConv AddApplication(std::int32_t identifier, char* directory);
  void DeleteApplication(std::int32_t identifier);

  std::uintptr_t MapInfoWindow() const { return mapInfoWindow_; }
  void SetMapInfoWindow(std::uintptr_t window) { mapInfoWindow_ = window; }
  HConv MapInfoConv() const { return mapInfoConv_; }
  HConvList MapInfoConvList() const { return mapInfoConvList_; }
  // The registered applications in table order, as they stand now.
  TMBApplications Applications() const;

 private:
  // The table holds its records by shared ownership: an operation that dispatches messages keeps
  // its record alive while it works and finds it again afterwards, whatever the handlers that ran
  // meanwhile did to the table.
  using Record = std::shared_ptr<TMBApplication>;

  // The first record that matches, or null.
  Record FindRecord(const std::function<bool(const TMBApplication&)>& matches) const;
  // Step 2 of AddApplication: whether the record's conversation still answers its identifier,
  // once the companion has been told it again if it had none.
  bool AnswersIdentifier(const TMBApplication& record);
  // Steps of the search for one atom's name: lower-cased in place, it is the companion's topic
  // when it lies under the directory and a server of it answers the record's identifier.
  bool ConnectCompanionTopic(TMBApplication& record, std::string_view directory, char* name,
                             std::size_t length);

  HConvList mapInfoConvList_ = 0;
  std::vector<Record> applications_;
  std::uintptr_t mapInfoWindow_ = 0;
  HConv mapInfoConv_ = 0;
};

// The DDEML callback: the library serves nothing, so every transaction gets 0.
platform::HDdeData DdeCallback(std::uint32_t type, std::uint32_t fmt, HConv conv,
                               platform::Hsz hsz1, platform::Hsz hsz2, platform::HDdeData data,
                               std::uintptr_t data1, std::uintptr_t data2);

// Dispatches what is waiting in the calling thread's queue, so a disconnect's messages are done.
void DrainMessageQueue();

}  // namespace ornil
