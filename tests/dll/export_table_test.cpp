// Ornil.dll's contract with the host, read from the built file of either flavour: a DLL for the
// flavour's machine (PE32 for i386, PE32+ for x86-64) that stands alone, exporting exactly the
// agreed names, undecorated; in the i686 flavour each is bound to a stdcall symbol whose argument
// size is the agreed one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "pe/pe_image.h"

namespace {

// Each export and the bytes of arguments it takes.
const std::map<std::string, int> kContract = {
    {"GetApplicationId", 4},
    {"RegisterApplication", 8},
    {"UnRegisterApplication", 4},
    {"GetMapInfoDdeConv", 4},
    {"GetDdeInstId", 0},
    {"SetMbApplicationExecuteError", 4},
    {"IsPrintingError", 0},
    {"SetLastMapInfoErrorString", 4},
    {"ViewOrnilWindow", 40},
    {"DestroyOrnilWindow", 0},
    {"IsOrnilWindowOpened", 0},
    {"IsFindingStarted", 0},
    {"IsSavingStarted", 0},
    {"SetApplicationWindowHandle", 4},
    {"GetCurrentAdditionalWindow", 0},
    {"SetOptionsFile", 4},
    {"UpdateValue", 0},
    {"NewValue", 0},
    {"ViewSetupTable", 12},
    {"DestroySetupWindow", 0},
    {"ViewAboutProg", 4},
    {"DestroyAboutWindow", 0},
    {"TWindowDividerCreate", 4},
    {"TBorderBitBtnCreate", 4},
};

// The pointers to the library's windows, exported as data.
const std::set<std::string> kDataSymbols = {"_AboutBox",       "_EditValueWindow",
                                            "_OrnilWindow",    "_SetupWindow",
                                            "_NewFieldWindow", "_EnterExpressionWindow"};

constexpr bool kIs64Bit = ORNIL_DLL_MACHINE == 0x8664;

TEST(OrnilDllFile, IsAStandAloneDllForItsMachine) {
  std::string error;
  const auto image = ornil::pe::ReadPeImage(ORNIL_DLL_PATH, &error);
  ASSERT_TRUE(image) << error;
  EXPECT_EQ(image->machine, ORNIL_DLL_MACHINE);
  EXPECT_EQ(image->isPe32, !kIs64Bit);
  EXPECT_EQ(image->isPe32Plus, kIs64Bit);
  EXPECT_TRUE(image->isDll);
  EXPECT_EQ(image->dllName, "Ornil.dll");
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll", "comctl32.dll",
                                        "msvcrt.dll",   "advapi32.dll", "ole32.dll", "shell32.dll"};
  for (auto name : image->imports) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_TRUE(system.contains(name)) << "imports " << name << ", which Windows does not ship";
  }
}

TEST(OrnilDllFile, ExportsExactlyTheAgreedNamesUndecorated) {
  const auto image = ornil::pe::ReadPeImage(ORNIL_DLL_PATH);
  ASSERT_TRUE(image);
  std::set<std::string> expected;
  for (const auto& [name, size] : kContract)
    expected.insert(name);
  expected.insert(kDataSymbols.begin(), kDataSymbols.end());
  EXPECT_EQ(std::set<std::string>(image->exports.begin(), image->exports.end()), expected);
  EXPECT_EQ(image->exports.size(), expected.size());
}

// The module definition binds each name to Name@N; the i686 link fails unless a stdcall function
// with exactly N bytes of arguments exists, so N here is N in that DLL. (The 64-bit DLL is built
// from the same list with the bindings dropped.)
TEST(OrnilDllFile, EachExportTakesTheAgreedArgumentSize) {
  std::ifstream def(ORNIL_DEF_PATH);
  ASSERT_TRUE(def);
  const std::regex binding(R"(^\s*(\w+)\s*=\s*(\w+)@(\d+)\s*$)");
  std::map<std::string, int> bound;
  for (std::string line; std::getline(def, line);) {
    std::smatch m;
    if (std::regex_match(line, m, binding)) {
      EXPECT_EQ(m[1], m[2]) << line;
      bound[m[1]] = std::stoi(m[3]);
    }
  }
  EXPECT_EQ(bound, kContract);
}

}  // namespace
