// What the search for a companion's DDE topic relies on in real Windows: the portable lower-casing
// of names equals CharLowerBuffA under code page 1251, and the atom seam reads the process's own
// atom table and the global one, where DDE servers keep their topics.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_seams.h"
#include "text/cp1251.h"

namespace {

TEST(CompanionTopic, LowerCasingEqualsCharLowerBuffAForEveryByte) {
  // tools/wine-run starts Wine with a Russian locale, as the users' Windows runs.
  ASSERT_EQ(GetACP(), 1251u);
  char windows[256];
  char ours[256];
  for (int b = 0; b < 256; ++b)
    windows[b] = ours[b] = static_cast<char>(b);
  CharLowerBuffA(windows, sizeof windows);
  ornil::text::LowerInPlace(ours, sizeof ours);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(static_cast<unsigned char>(ours[b]), static_cast<unsigned char>(windows[b]))
        << "byte 0x" << std::hex << b;
  }
}

TEST(CompanionTopic, TheAtomSeamReadsTheLocalAndTheGlobalTable) {
  const std::string local = "c:\\ornil-test\\local.mbx";
  const std::string global = "c:\\ornil-test\\global.mbx";
  const ATOM localAtom = AddAtomA(local.c_str());
  const ATOM globalAtom = GlobalAddAtomA(global.c_str());
  ASSERT_NE(localAtom, 0);
  ASSERT_NE(globalAtom, 0);
  ornil::platform::Atoms& atoms = *ornil::platform::win32::RealSeams().atoms;

  char name[260] = {};
  EXPECT_EQ(atoms.GetAtomName(localAtom, name, sizeof name), local.size());
  EXPECT_EQ(name, local);
  EXPECT_EQ(atoms.GlobalGetAtomName(globalAtom, name, sizeof name), global.size());
  EXPECT_EQ(name, global);
  DeleteAtom(localAtom);
  GlobalDeleteAtom(globalAtom);
}

}  // namespace
