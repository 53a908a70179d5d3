// Ornil.dll as the host loads it: every export resolves by its plain name, takes exactly the
// arguments its contract says (the stack is balanced after each call), and answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "text/cp1251.h"
#include "win32/support/message_box_answerer.h"

namespace {

struct CallResult {
  std::uint32_t value;
  std::int32_t stackDelta;  // 0 when the callee removed exactly the arguments pushed
};

// Pushes `count` 32-bit arguments, calls `function` and measures the stack afterwards; the stack
// is then put back whatever the callee did.
CallResult CallStdcall(FARPROC function, const std::uint32_t* args, std::uint32_t count) {
  std::uint32_t value = 0;
  std::int32_t delta = 0;
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
      : [f] "b"(function), [a] "S"(args), [n] "m"(count)
      : "ecx", "edi", "memory", "cc");
  return {value, delta};
}

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
  CallResult Call(const char* name, std::initializer_list<std::uint32_t> args) {
    FARPROC f = Export(name);
    if (f == nullptr) return {0, 0};
    return CallStdcall(f, args.begin(), static_cast<std::uint32_t>(args.size()));
  }
  static HMODULE module_;
};

HMODULE OrnilDll::module_ = nullptr;

TEST_F(OrnilDll, LoadsAndAnswersWithoutABox) {
  ASSERT_NE(module_, nullptr);
  ornil::win32test::MessageBoxAnswerer answerer;

  const auto id = Call("GetApplicationId", {1});
  EXPECT_EQ(id.value, 0u);
  EXPECT_EQ(id.stackDelta, 0);

  const auto printing = Call("IsPrintingError", {});
  EXPECT_EQ(printing.value & 0xFF, 1u);
  EXPECT_EQ(printing.stackDelta, 0);

  const auto instance = Call("GetDdeInstId", {});
  EXPECT_NE(instance.value, 0u) << "DDEML was not initialised when the DLL was loaded";
  EXPECT_EQ(instance.stackDelta, 0);

  EXPECT_EQ(Call("SetMbApplicationExecuteError", {0x10001}).value, 1u);
  EXPECT_EQ(Call("SetMbApplicationExecuteError", {0x10000}).value, 0u);
  EXPECT_EQ(Call("SetMbApplicationExecuteError", {1}).stackDelta, 0);

  const char text[] = "text";
  EXPECT_EQ(Call("SetLastMapInfoErrorString", {reinterpret_cast<std::uint32_t>(text)}).stackDelta,
            0);
  EXPECT_EQ(Call("UnRegisterApplication", {12345}).stackDelta, 0);
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(OrnilDll, FailuresShowOneTaskModalErrorBoxAndGiveZero) {
  ASSERT_NE(module_, nullptr);
  ornil::win32test::MessageBoxAnswerer answerer;

  char directory[] = "C:\\Companion";
  const auto none = Call("RegisterApplication", {0, reinterpret_cast<std::uint32_t>(directory)});
  EXPECT_EQ(none.value, 0u);
  EXPECT_EQ(none.stackDelta, 0);

  const auto divide = Call("GetApplicationId", {0});
  EXPECT_EQ(divide.value, 0u);
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
