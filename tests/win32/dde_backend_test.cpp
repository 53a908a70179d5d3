// The real DDEML backend's transaction code against a real DDE server that this program serves
// from a thread of its own. Wine's DdeConnectList finds nothing, so the conversation is made with
// DdeConnect, and the backend waits a test time-out instead of the library's 0.
#include <windows.h>

#include <ddeml.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "host/dde_module.h"
#include "host/errors.h"
#include "host/mapbasic_link.h"
#include "platform/win32/win32_seams.h"
#include "text/cp1251.h"
#include "win32/support/message_box_answerer.h"

namespace {

DWORD g_server = 0;
std::vector<std::string> g_executed;

HDDEDATA CALLBACK ServerCallback(UINT type, UINT, HCONV, HSZ topic, HSZ item, HDDEDATA data,
                                 ULONG_PTR, ULONG_PTR) {
  char name[256] = {};
  switch (type) {
    case XTYP_CONNECT:
      DdeQueryStringA(g_server, topic, name, sizeof name, CP_WINANSI);
      return reinterpret_cast<HDDEDATA>(lstrcmpiA(name, "System") == 0);
    case XTYP_REQUEST: {
      DdeQueryStringA(g_server, item, name, sizeof name, CP_WINANSI);
      std::string answer;
      if (lstrcmpA(name, "SystemInfo(9)") == 0)
        answer = "4660";
      else if (lstrcmpA(name, "Nothing") == 0)
        return nullptr;
      else if (lstrcmpA(name, "Slow") == 0)
        Sleep(1000);
      else
        answer = std::string("value of ") + name;
      return DdeCreateDataHandle(g_server, reinterpret_cast<LPBYTE>(answer.data()),
                                 static_cast<DWORD>(answer.size() + 1), 0, item, CF_TEXT, 0);
    }
    case XTYP_EXECUTE: {
      DWORD size = 0;
      const auto* bytes = reinterpret_cast<const char*>(DdeAccessData(data, &size));
      std::string command = bytes ? std::string(bytes, strnlen(bytes, size)) : std::string();
      DdeUnaccessData(data);
      if (command == "refuse") return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
      g_executed.push_back(command);
      return reinterpret_cast<HDDEDATA>(DDE_FACK);
    }
    default:
      return nullptr;
  }
}

// The server: its own DDEML instance and message loop on its own thread.
class ServerThread {
 public:
  ServerThread() {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] {
      threadId_ = GetCurrentThreadId();
      g_server = 0;
      ok_ = DdeInitializeA(&g_server, &ServerCallback, APPCLASS_STANDARD, 0) == DMLERR_NO_ERROR;
      HSZ service = ok_ ? DdeCreateStringHandleA(g_server, "MapInfo", CP_WINANSI) : nullptr;
      ok_ = ok_ && DdeNameService(g_server, service, nullptr, DNS_REGISTER) != nullptr;
      SetEvent(ready);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
      if (service) {
        DdeNameService(g_server, service, nullptr, DNS_UNREGISTER);
        DdeFreeStringHandle(g_server, service);
      }
      DdeUninitialize(g_server);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
  }
  ~ServerThread() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  bool Ok() const { return ok_; }

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
  bool ok_ = false;
};

class RealDdeBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server_.Ok());
    ornil::platform::Install(ornil::platform::win32::RealSeams());
    ornil::platform::win32::SetTransactionTimeoutOverride(5000);
    ornil::InitializeDdeModule();
    instance_ = ornil::MapInfoConnect().Instance();
    ASSERT_NE(instance_, 0u);
    Reconnect();
    ASSERT_NE(conv_, nullptr);
  }
  // Wine answers only the first Request of a conversation on time (later answers arrive one
  // transaction late), so each Request here gets a conversation of its own.
  void Reconnect() {
    if (conv_) DdeDisconnect(conv_);
    HSZ service = DdeCreateStringHandleA(instance_, "MapInfo", CP_WINANSI);
    HSZ topic = DdeCreateStringHandleA(instance_, "System", CP_WINANSI);
    conv_ = DdeConnect(instance_, service, topic, nullptr);
    DdeFreeStringHandle(instance_, service);
    DdeFreeStringHandle(instance_, topic);
    link_.SetConversations(reinterpret_cast<std::uintptr_t>(conv_),
                           reinterpret_cast<std::uintptr_t>(conv_), instance_);
  }
  std::string Request(const char* item) {
    Reconnect();
    return link_.RequestText(item);
  }
  void TearDown() override {
    if (conv_) DdeDisconnect(conv_);
    ornil::FinalizeDdeModule();
    ornil::platform::win32::SetTransactionTimeoutOverride(0);
  }

  ServerThread server_;
  DWORD instance_ = 0;
  HCONV conv_ = nullptr;
  ornil::TMapInfo link_;
  ornil::win32test::MessageBoxAnswerer boxes_;
};

TEST_F(RealDdeBackend, RequestsBringBackTheServersTextOrNothing) {
  EXPECT_EQ(Request("SystemInfo(9)"), "4660");
  EXPECT_EQ(Request("NumTables()"), "value of NumTables()");
  EXPECT_EQ(Request("Nothing"), "");
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(RealDdeBackend, ExecutesArriveWholeAndARefusalIsQuiet) {
  g_executed.clear();
  link_.DdeExecute(reinterpret_cast<std::uintptr_t>(conv_), "Close Table \"Участки\"");
  EXPECT_NO_THROW(link_.DdeExecute(reinterpret_cast<std::uintptr_t>(conv_), "refuse"));
  // The data handles went to DDEML with the transactions; nothing about them is left pending.
  EXPECT_EQ(DdeGetLastError(instance_), static_cast<UINT>(DMLERR_NO_ERROR));
  ASSERT_EQ(g_executed.size(), 1u);
  EXPECT_EQ(g_executed[0], "Close Table \"Участки\"");
}

TEST_F(RealDdeBackend, AnAnswerTooLateIsATimeOut) {
  ornil::platform::win32::SetTransactionTimeoutOverride(200);
  Reconnect();
  try {
    link_.RequestText("Slow");
    FAIL() << "a late answer came through";
  } catch (const ornil::DdeError& e) {
    EXPECT_EQ(e.Code(), DMLERR_DATAACKTIMEOUT);
    EXPECT_EQ(e.Message(), "Ошибка в функции DdeRequest во время выполнения запроса 'Slow'. "_cp);
  }
}

}  // namespace
