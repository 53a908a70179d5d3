// DDE transactions, the MapInfo conversation and the companion conversations.
#include "host/dde_connection.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "host/errors.h"
#include "platform/ddeml_codes.h"
#include "platform/seams.h"
#include "text/cp1251.h"

namespace ornil {

using namespace ornil::dde;
using platform::HDdeData;
using platform::Hsz;

namespace {

platform::Ddeml& Dde() {
  return *platform::Current().ddeml;
}

constexpr const char* kService = "MapInfo";
constexpr const char* kApplicationIdVariable = "iGlobalApplicationIdentifier";
constexpr const char* kCloseApplicationDdeConv = "CloseApplicationDdeConv";

bool IsQuietError(std::uint32_t error) {
  return error == DMLERR_NO_ERROR || error == DMLERR_NOTPROCESSED;
}

// A DDE string handle freed on every way out of its scope.
class StringHandle {
 public:
  StringHandle(std::uint32_t instance, const std::string& text)
      : instance_(instance),
        hsz_(Dde().DdeCreateStringHandle(instance, text.c_str(), CP_WINANSI)) {}
  ~StringHandle() {
    if (hsz_ != 0) Dde().DdeFreeStringHandle(instance_, hsz_);
  }
  StringHandle(const StringHandle&) = delete;
  StringHandle& operator=(const StringHandle&) = delete;
  Hsz get() const { return hsz_; }

 private:
  std::uint32_t instance_;
  Hsz hsz_;
};

// Connects to every server of the service and topic; gives the list and the error read at once.
std::pair<HConvList, std::uint32_t> ConnectList(std::uint32_t instance, const std::string& topic) {
  HConvList list = 0;
  std::uint32_t error = 0;
  {
    StringHandle service(instance, kService);
    StringHandle topicHandle(instance, topic);
    list = Dde().DdeConnectList(instance, service.get(), topicHandle.get(), 0, nullptr);
    error = Dde().DdeGetLastError(instance);
  }
  return {list, error};
}

// Disconnects a conversation and then its list, each followed by a drain of the queue. Both
// handles are taken from their owner before anything is dispatched: a handler that reaches the
// owner meanwhile finds nothing left to close, and what it connects anew is not closed here.
void CloseConversation(HConv& conversation, HConvList& list) {
  const HConv conv = std::exchange(conversation, 0);
  const HConvList convList = std::exchange(list, 0);
  if (conv != 0) {
    Dde().DdeDisconnect(conv);
    DrainMessageQueue();
  }
  if (convList != 0) {
    Dde().DdeDisconnectList(convList);
    DrainMessageQueue();
  }
}

}  // namespace

void TMapInfoAbstract::DdeExecute(HConv conv, std::string_view statement) const {
  try {
    if (conv == 0) throw OrnilError("В функцию не предан идентификатор Dde канала."_cp);
    const std::string bytes(statement);
    const HDdeData data = Dde().DdeCreateDataHandle(
        instance_, bytes.c_str(), static_cast<std::uint32_t>(bytes.size() + 1), 0, 0, CF_TEXT, 0);
    if (data == 0) {
      if (const auto error = Dde().DdeGetLastError(instance_); error != 0) throw DdeError(error);
    }
    std::uint32_t result = 0;
    const HDdeData answer =
        Dde().DdeClientTransaction(reinterpret_cast<const void*>(data), 0xFFFFFFFF, conv, 0,
                                   CF_TEXT, XTYP_EXECUTE, 0, &result);
    const auto error = Dde().DdeGetLastError(instance_);
    // The transaction took the data handle over and DDEML frees it: freeing it here as well would
    // fail and leave an error pending for the next operation of the instance.
    if (answer == 0 && !IsQuietError(error)) throw DdeError(error);
  } catch (DdeError& e) {
    std::string message = FunctionPrefix("DdeExecute") + e.Message();
    message += "\nКоманда: "_cp;
    message += statement;
    message += "\n";
    e.SetMessage(std::move(message));
    throw;
  } catch (OrnilError& e) {
    e.Prepend(FunctionPrefix("DdeExecute"));
    throw;
  }
}

std::string TMapInfoAbstract::DdeRequest(HConv conv, std::string_view expression) const {
  try {
    HDdeData data = 0;
    std::uint32_t error = 0;
    {
      StringHandle item(instance_, std::string(expression));
      if (item.get() == 0) {
        if (const auto e = Dde().DdeGetLastError(instance_); e != 0) throw DdeError(e);
      }
      data = Dde().DdeClientTransaction(nullptr, 0, conv, item.get(), CF_TEXT, XTYP_REQUEST, 0,
                                        nullptr);
      error = Dde().DdeGetLastError(instance_);
    }
    // A Request that brings no usable data answers an empty text, never the previous answer of
    // some other caller: "no table" must not read as the last table's count.
    std::string answer;
    if (data != 0) {
      std::uint32_t size = 0;
      if (const std::uint8_t* bytes = Dde().DdeAccessData(data, &size); bytes && size > 0) {
        const auto* text = reinterpret_cast<const char*>(bytes);
        answer.assign(text, strnlen(text, size));
      }
      Dde().DdeUnaccessData(data);
      Dde().DdeFreeDataHandle(data);
    }
    if (data == 0 && !IsQuietError(error)) throw DdeError(error);
    return answer;
  } catch (DdeError& e) {
    std::string message = "Ошибка в функции DdeRequest во время выполнения запроса '"_cp;
    message += expression;
    message += "'. ";
    e.Prepend(message);
    throw;
  } catch (OrnilError& e) {
    e.Prepend(FunctionPrefix("DdeRequest"));
    throw;
  }
}

TMapInfoConnect::TMapInfoConnect() {
  Boundary("Произошла ошибка инициализации Dde. "_cp, [&] {
    const auto result = Dde().DdeInitialize(&instance_, &DdeCallback, 0, 0);
    if (instance_ == 0) throw DdeError(static_cast<std::int32_t>(result));
  });
}

TMapInfoConnect::~TMapInfoConnect() {
  Boundary("Ошибка в деструкторе класса TMapInfoConnect. "_cp, [&] {
    CloseAllApplicationDdeConv();
    CloseMapInfoDdeConv();
    if (instance_ != 0) Dde().DdeUninitialize(instance_);
    instance_ = 0;
  });
}

void TMapInfoConnect::CloseMapInfoDdeConv() {
  WithPrefix(FunctionPrefix(kCloseApplicationDdeConv),
             [&] { CloseConversation(mapInfoConv_, mapInfoConvList_); });
}

void TMapInfoConnect::CloseApplicationDdeConv(TMBApplication& record) {
  WithPrefix(FunctionPrefix(kCloseApplicationDdeConv),
             [&] { CloseConversation(record.Conv, record.ConvList); });
}

void TMapInfoConnect::CloseAllApplicationDdeConv() {
  WithPrefix(FunctionPrefix(kCloseApplicationDdeConv), [&] {
    // One record at a time from the front, found again after each close: the handlers that run
    // while a close drains the queue may add or remove records, and those are closed too.
    while (!applications_.empty()) {
      const Record record = applications_.front();
      CloseApplicationDdeConv(*record);
      std::erase(applications_, record);
    }
  });
}

void TMapInfoConnect::NewMapInfoDdeConv() {
  WithPrefix(FunctionPrefix("NewMapInfoDdeConv"), [&] {
    CloseMapInfoDdeConv();
    const auto [list, error] = ConnectList(instance_, "System");
    mapInfoConvList_ = list;
    if (list == 0 || error != 0) throw DdeError(static_cast<std::int32_t>(error));
    const auto wanted = static_cast<std::int32_t>(mapInfoWindow_);
    for (HConv conv = Dde().DdeQueryNextServer(list, 0); conv != 0;
         conv = Dde().DdeQueryNextServer(list, conv)) {
      const bool matches = text::StrToIntDef(DdeRequest(conv, "SystemInfo(9)"), 0) == wanted;
      // A handler that ran during the Request may have searched anew, closing this list: what
      // that search found stands.
      if (mapInfoConvList_ != list) {
        if (mapInfoConv_ != 0) return;
        break;
      }
      if (matches) {
        mapInfoConv_ = conv;
        return;
      }
    }
    throw OrnilError(
        "Либо задан неверный идентификатор окна MapInfo, либо приложение MapInfo по каким-то "
        "причинам не отвечает на Dde запросы."_cp);
  });
}

bool TMapInfoConnect::NewApplicationDdeConv(TMBApplication& record, std::string_view directory) {
  return WithPrefix(FunctionPrefix("NewApplicationDdeConv"), [&] {
    auto& atoms = *platform::Current().atoms;
    // The process's own table first, then the global one, where DDE servers keep their topics:
    // one number may name something in each, and only a conversation tells which is the companion.
    constexpr std::uint32_t (platform::Atoms::*kTables[])(std::uint16_t, char*, int) = {
        &platform::Atoms::GetAtomName, &platform::Atoms::GlobalGetAtomName};
    char name[260] = {};
    for (unsigned atom = 0xC000; atom <= 0xC1FF && record.Conv == 0; ++atom) {
      for (const auto table : kTables) {
        // A number without a name is skipped rather than testing the previous name again.
        if ((atoms.*table)(static_cast<std::uint16_t>(atom), name, sizeof name) == 0) continue;
        if (ConnectCompanionTopic(record, directory, name, strnlen(name, sizeof name))) break;
      }
    }
    if (record.Conv != 0) return true;
    throw OrnilError("Не установлен сеанс динамического обмена данными с MapBasic приложением"_cp);
  });
}

bool TMapInfoConnect::ConnectCompanionTopic(TMBApplication& record, std::string_view directory,
                                            char* name, std::size_t length) {
  text::LowerInPlace(name, length);
  const std::string_view topic(name, length);
  if (topic.size() < directory.size()) return false;
  if (topic.substr(0, directory.size()) != directory ||
      !platform::Current().files->DirectoryExists(std::string(directory))) {
    return false;
  }
  const auto [list, error] = ConnectList(instance_, std::string(topic));
  if (list == 0) {
    // A name under the directory that no server serves is not the companion: look further.
    if (error == DMLERR_NO_CONV_ESTABLISHED) return false;
    throw DdeError(static_cast<std::int32_t>(error));
  }
  record.ConvList = list;
  try {
    for (HConv conv = Dde().DdeQueryNextServer(list, 0); conv != 0;
         conv = Dde().DdeQueryNextServer(list, conv)) {
      if (text::StrToIntDef(DdeRequest(conv, kApplicationIdVariable), 0) == record.Identifier) {
        record.Conv = conv;
        record.Directory = std::string(directory);
        record.Topic = std::string(topic);
        return true;
      }
    }
  } catch (...) {
    // A busy or silent server ends the search; its list must not stay connected for good.
    try {
      CloseApplicationDdeConv(record);
    } catch (...) {
      // The failure already on its way is the one to report.
    }
    throw;
  }
  // A list none of whose servers is ours would otherwise stay connected for good.
  CloseApplicationDdeConv(record);
  return false;
}

HConv TMapInfoConnect::AddApplication(std::int32_t identifier, char* directory) {
  return WithPrefix(FunctionPrefix("AddApplication"), [&] {
    if (identifier == 0) throw OrnilError("Не указан идентификатор приложения."_cp);
    const std::size_t length = directory ? std::strlen(directory) : 0;
    if (length == 0) throw OrnilError("Не указана директория приложения."_cp);
    text::LowerInPlace(directory, length);
    const std::string_view dir(directory, length);
    const auto sameApplication = [&](const TMBApplication& r) {
      return r.Identifier == identifier && r.Directory == dir;
    };

    if (const Record found = FindRecord(sameApplication); found && found->Conv != 0) {
      if (!AnswersIdentifier(*found)) CloseApplicationDdeConv(*found);
    }

    const auto record = std::make_shared<TMBApplication>();
    record->Identifier = identifier;
    NewApplicationDdeConv(*record, dir);
    // Looked up again: the steps above dispatch messages, and their handlers may have registered
    // or unregistered meanwhile.
    const Record replaced = FindRecord(sameApplication);
    if (replaced) {
      *std::find(applications_.begin(), applications_.end(), replaced) = record;
    } else {
      applications_.push_back(record);
    }
    const HConv conv = record->Conv;
    // The replaced conversation is ours alone; leaving it open would leak it for good.
    if (replaced) CloseApplicationDdeConv(*replaced);
    return conv;
  });
}

bool TMapInfoConnect::AnswersIdentifier(const TMBApplication& record) {
  const HConv conv = record.Conv;
  auto answer = text::StrToIntDef(DdeRequest(conv, kApplicationIdVariable), 0);
  if (answer == 0) {
    DdeExecute(conv, "*#Internal Procedure:SetGlobalApplicationId");
    answer = text::StrToIntDef(DdeRequest(conv, kApplicationIdVariable), 0);
  }
  return answer == record.Identifier;
}

void TMapInfoConnect::DeleteApplication(std::int32_t identifier) {
  WithPrefix(FunctionPrefix("DeleteApplication"), [&] {
    const Record record =
        FindRecord([&](const TMBApplication& r) { return r.Identifier == identifier; });
    if (!record) return;
    CloseApplicationDdeConv(*record);
    // Wherever the close's handlers have moved it, or whoever has removed it already.
    std::erase(applications_, record);
  });
}

TMapInfoConnect::Record TMapInfoConnect::FindRecord(
    const std::function<bool(const TMBApplication&)>& matches) const {
  const auto it = std::find_if(applications_.begin(), applications_.end(),
                               [&](const Record& r) { return matches(*r); });
  return it == applications_.end() ? nullptr : *it;
}

TMBApplications TMapInfoConnect::Applications() const {
  TMBApplications table;
  for (const Record& record : applications_)
    table.push_back(*record);
  return table;
}

platform::HDdeData DdeCallback(std::uint32_t, std::uint32_t, HConv, platform::Hsz, platform::Hsz,
                               platform::HDdeData, std::uintptr_t, std::uintptr_t) {
  return Boundary("Ошибка в CallBack функции Dde. "_cp, platform::HDdeData{0},
                  [] { return platform::HDdeData{0}; });
}

void DrainMessageQueue() {
  auto& queue = *platform::Current().queue;
  platform::QueuedMessage message;
  std::optional<std::uintptr_t> quit;
  while (queue.PeekMessageRemove(message)) {
    if (message.message == platform::WM_QUIT_MESSAGE) {
      quit = message.wParam;
      continue;
    }
    queue.TranslateMessage(message);
    queue.DispatchMessage(message);
  }
  // The host's request to end its message loop is its own: hand it back once the queue is empty.
  if (quit) queue.PostQuitMessage(static_cast<int>(*quit));
}

}  // namespace ornil
