// Ornil.dll as the host loads it, in either flavour: every export resolves by its plain name,
// takes exactly the arguments its contract says (i686: the stack is balanced after each call),
// and answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "text/cp1251.h"
#include "win32/support/message_box_answerer.h"

namespace {

struct CallResult {
  std::uintptr_t value;      // a 32-bit result is in the low half; see Low32
  std::intptr_t stackDelta;  // 0 when the callee removed exactly the arguments pushed
};

// The low 32 bits of a result: on x86-64 a function returning a 32-bit value leaves the upper
// half of the register undefined.
std::uint32_t Low32(const CallResult& r) {
  return static_cast<std::uint32_t>(r.value);
}

#if defined(__i386__)
// Pushes `count` arguments, calls `function` and measures the stack afterwards; the stack is then
// put back whatever the callee did, so a stdcall export that takes the wrong size shows.
CallResult CallExport(FARPROC function, const std::uintptr_t* args, std::size_t count) {
  std::uint32_t value = 0;
  std::int32_t delta = 0;
  const auto n = static_cast<std::uint32_t>(count);
  asm volatile(
      "movl %%esp, %%edi\n\t"
      "movl %[n], %%ecx\n\t"
      "1:\n\t"
      "testl %%ecx, %%ecx\n\t"
      "jz 2f\n\t"
      "pushl -4(%[a],%%ecx,4)\n\t"
      "decl %%ecx\n\t"
      "jmp 1b\n\t"
      "2:\n\t"
      "call *%[f]\n\t"
      "movl %%esp, %%edx\n\t"
      "subl %%edi, %%edx\n\t"
      "movl %%edi, %%esp\n\t"
      : "=a"(value), "=&d"(delta)
      : [f] "b"(function), [a] "S"(args), [n] "m"(n)
      : "ecx", "edi", "memory", "cc");
  return {value, delta};
}
#else
// x86-64 has one calling convention and the caller cleans the stack: a call through a pointer to
// a function of `count` pointer-sized arguments is the host's call; there is no stack to check.
template <std::size_t... I>
std::uintptr_t CallWith(FARPROC function, const std::uintptr_t* args, std::index_sequence<I...>) {
  using Function = std::uintptr_t (*)(decltype((void)I, std::uintptr_t{})...);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(function))(args[I]...);
}

template <std::size_t... N>
std::uintptr_t CallWithCount(FARPROC function, const std::uintptr_t* args, std::size_t count,
                             std::index_sequence<N...>) {
  std::uintptr_t value = 0;
  ((count == N ? (value = CallWith(function, args, std::make_index_sequence<N>{}), true) : false) ||
   ...);
  return value;
}

CallResult CallExport(FARPROC function, const std::uintptr_t* args, std::size_t count) {
  return {CallWithCount(function, args, count, std::make_index_sequence<11>{}), 0};
}
#endif

class OrnilDll : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { module_ = LoadLibraryA("Ornil.dll"); }
  static void TearDownTestSuite() {
    if (module_) FreeLibrary(module_);
  }
  FARPROC Export(const char* name) {
    FARPROC f = GetProcAddress(module_, name);
    EXPECT_NE(f, nullptr) << name;
    return f;
  }
  CallResult Call(const char* name, std::initializer_list<std::uintptr_t> args) {
    FARPROC f = Export(name);
    if (f == nullptr) return {0, 0};
    return CallExport(f, args.begin(), args.size());
  }
  static HMODULE module_;
};

HMODULE OrnilDll::module_ = nullptr;

TEST_F(OrnilDll, LoadsAndAnswersWithoutABox) {
  ASSERT_NE(module_, nullptr);
  ornil::win32test::MessageBoxAnswerer answerer;

  const auto id = Call("GetApplicationId", {1});
  EXPECT_EQ(Low32(id), 0u);
  EXPECT_EQ(id.stackDelta, 0);

  const auto printing = Call("IsPrintingError", {});
  EXPECT_EQ(Low32(printing) & 0xFF, 1u);
  EXPECT_EQ(printing.stackDelta, 0);

  const auto instance = Call("GetDdeInstId", {});
  EXPECT_NE(Low32(instance), 0u) << "DDEML was not initialised when the DLL was loaded";
  EXPECT_EQ(instance.stackDelta, 0);

  EXPECT_EQ(Low32(Call("SetMbApplicationExecuteError", {0x10001})), 1u);
  EXPECT_EQ(Low32(Call("SetMbApplicationExecuteError", {0x10000})), 0u);
  EXPECT_EQ(Call("SetMbApplicationExecuteError", {1}).stackDelta, 0);

  const char text[] = "text";
  EXPECT_EQ(Call("SetLastMapInfoErrorString", {reinterpret_cast<std::uintptr_t>(text)}).stackDelta,
            0);
  EXPECT_EQ(Call("UnRegisterApplication", {12345}).stackDelta, 0);

  // Owned by the application object, and freed with it when the DLL is unloaded.
  for (const char* make : {"TWindowDividerCreate", "TBorderBitBtnCreate"}) {
    const auto control = Call(make, {0});
    EXPECT_NE(control.value, 0u) << make;
    EXPECT_EQ(control.stackDelta, 0) << make;
  }
  EXPECT_TRUE(answerer.Boxes().empty());
}

// The About window's exports, and the exported pointer to it, which follows the window.
TEST_F(OrnilDll, TheAboutWindowComesAndGoesWithItsDataSymbol) {
  ASSERT_NE(module_, nullptr);
  ornil::win32test::MessageBoxAnswerer answerer;
  auto* const* aboutBox = reinterpret_cast<void* const*>(GetProcAddress(module_, "_AboutBox"));
  ASSERT_NE(aboutBox, nullptr);
  EXPECT_EQ(*aboutBox, nullptr);

  const char text[] = "Ornil";
  EXPECT_EQ(Call("ViewAboutProg", {reinterpret_cast<std::uintptr_t>(text)}).stackDelta, 0);
  EXPECT_NE(*aboutBox, nullptr);
  EXPECT_NE(FindWindowA(nullptr, "О Программе"_cp), nullptr);
  EXPECT_EQ(Call("ViewAboutProg", {0}).stackDelta, 0);
  EXPECT_EQ(Call("DestroyAboutWindow", {}).stackDelta, 0);
  EXPECT_EQ(*aboutBox, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    DispatchMessageA(&msg);
  EXPECT_EQ(FindWindowA(nullptr, "О Программе"_cp), nullptr);
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(OrnilDll, FailuresShowOneTaskModalErrorBoxAndGiveZero) {
  ASSERT_NE(module_, nullptr);
  ornil::win32test::MessageBoxAnswerer answerer;

  char directory[] = "C:\\Companion";
  const auto none = Call("RegisterApplication", {0, reinterpret_cast<std::uintptr_t>(directory)});
  EXPECT_EQ(none.value, 0u);
  EXPECT_EQ(none.stackDelta, 0);

  const auto divide = Call("GetApplicationId", {0});
  EXPECT_EQ(Low32(divide), 0u);
  EXPECT_EQ(divide.stackDelta, 0);

  // Wine's DDEML finds no server for any list: the host cannot be found.
  const auto conv = Call("GetMapInfoDdeConv", {0x1234});
  EXPECT_EQ(conv.value, 0u);
  EXPECT_EQ(conv.stackDelta, 0);

  ASSERT_EQ(answerer.Boxes().size(), 3u);
  for (const auto& box : answerer.Boxes()) {
    EXPECT_EQ(box.caption, std::string("Ошибка"_cp));
  }
  EXPECT_EQ(answerer.Boxes()[0].text,
            std::string("Ошибка в функции RegisterApplication. "
                        "В функцию регистрации приложения не передан идентификатор приложения"_cp));
  EXPECT_EQ(answerer.Boxes()[1].text.rfind("Ошибка в функции GetApplicationId. "_cp, 0), 0u);
  EXPECT_EQ(answerer.Boxes()[2].text.rfind(
                "Ошибка в функции GetMapInfoDdeConv. Ошибка в функции NewMapInfoDdeConv. "_cp, 0),
            0u);
}

}  // namespace
