// MapBasic programs in the simulated host: control flow, procedures and their parameters, OnError,
// Define and Include, DLL functions bound to native ones, the host's statements and names from a
// program, its handlers, menus and tools, and what the host refuses with the file and line.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "sim/mapinfo/application.h"
#include "sim/mapinfo/declaration_check.h"
#include "sim/mapinfo/host_error.h"
#include "text/cp1251.h"

namespace ornil::testing {
namespace {

using sim::mb::HostError;
using sim::mb::Value;

std::int32_t Twice(std::int32_t n) {
  return 2 * n;
}

// Changes the caller's text in place, as RegisterApplication lower-cases its directory.
void Shout(char* text) {
  for (char* c = text; *c != '\0'; ++c)
    *c = static_cast<char>(*c == 'a' ? 'A' : *c);
}

std::int32_t HighBitsOnly() {
  return 0x100;
}

class Programs : public ::testing::Test {
 protected:
  Programs() {
    natives.Add("test.dll", "Twice", &Twice);
    natives.Add("test.dll", "Shout", &Shout);
    natives.Add("test.dll", "HighBitsOnly", &HighBitsOnly);
  }

  // Loads the program (its main file is "main.mb"; `files` holds what it includes).
  void Load(const std::string& source) {
    files["main.mb"] = source;
    sim::mb::SourceReader read = [this](const std::string& name) -> std::optional<std::string> {
      for (const auto& [file, text] : files) {
        if (sim::mb::EqualNoCase(file, name)) return text;
      }
      return std::nullopt;
    };
    app = std::make_unique<sim::MapBasicApplication>(
        host, natives, "C:\\Apps\\Test.MBX", sim::MapBasicApplication::Source{"main.mb", read});
  }
  void Run(const std::string& source) {
    Load(source);
    app->Run();
  }
  std::string Global(const std::string& name) {
    const Value* v = app->Runtime().Global(name);
    return v ? sim::mb::ToText(*v) : "(none)";
  }
  // The error of loading the program, or "" when it loads.
  std::string LoadError(const std::string& source) {
    try {
      Load(source);
    } catch (const HostError& e) {
      return e.what();
    }
    return "";
  }

  sim::MapInfoHost host;
  sim::mb::NativeLibraries natives;
  std::map<std::string, std::string> files;
  std::unique_ptr<sim::MapBasicApplication> app;
};

TEST_F(Programs, ControlFlowRunsAsWritten) {
  Run(R"(Declare Sub Main
Global sum, down, picked, firstOver As Integer
Global text As String
Sub Main
  Dim i, j As Integer
  For i = 1 To 10
    If i Mod 2 = 0 Then
      sum = sum + i
    ElseIf i = 5 Then
      sum = sum + 100
    Else
      sum = sum - 1
    End If
  Next
  For i = 10 To 1 Step -3
    down = down * 10 + i
  Next
  i = 0
  Do While i < 100
    i = i + 7
    If i > 30 Then Exit Do End If
  Loop
  firstOver = i
  j = 0
  Do
    j = j + 1
  Loop Until j >= 3
  While j < 6
    j = j + 1
    text = text + Str$(j)
  Wend
  For i = 1 To 3
    For j = 1 To 3
      If j = 2 Then
        Exit For
      End If
      picked = picked + 1
    Next
  Next
End Sub
)");
  EXPECT_EQ(Global("sum"), "126");  // 2+4+6+8+10 + 100 - 4
  EXPECT_EQ(Global("down"), "10741");
  EXPECT_EQ(Global("firstOver"), "35");
  EXPECT_EQ(Global("text"), "456");
  EXPECT_EQ(Global("picked"), "3") << "Exit For leaves the inner loop only";
  EXPECT_TRUE(app->HaltMessage().empty()) << app->HaltMessage();
}

TEST_F(Programs, ParametersByValueAndByReferenceAndFunctionResults) {
  Run(R"(Declare Sub Main
Declare Sub Bump(n As Integer, ByVal m As Integer)
Declare Function Factorial(ByVal n As Integer) As Integer
Declare Function Sign(ByVal n As Integer) As String
Global a, b, f As Integer
Global s As String
Sub Main
  a = 1
  b = 1
  Call Bump(a, b)
  f = Factorial(5)
  s = Sign(-3) + Sign(0)
End Sub
Sub Bump(n As Integer, ByVal m As Integer)
  n = n + 10
  m = m + 10
End Sub
Function Factorial(ByVal n As Integer) As Integer
  Factorial = 1
  If n > 1 Then
    Factorial = n * Factorial(n - 1)
  End If
End Function
Function Sign(ByVal n As Integer) As String
  Sign = "+"
  If n < 0 Then
    Sign = "-"
    Exit Function
  End If
  Sign = "0"
End Function
)");
  EXPECT_EQ(Global("a"), "11") << "by reference";
  EXPECT_EQ(Global("b"), "1") << "by value";
  EXPECT_EQ(Global("f"), "120");
  EXPECT_EQ(Global("s"), "-0");
}

TEST_F(Programs, OnErrorResumesWhereTheProgramSays) {
  host.AddTable({"T", {{"A", sim::mb::kInteger}}});
  Run(R"(Declare Sub Main
Global steps As String
Global lastError As String
Sub Main
  OnError GoTo Failed
  steps = "a"
  Run Command "Close Table Nowhere"
  steps = steps + "b"
  Run Command "Frobnicate"
  steps = steps + "c"
  Exit Sub
Failed:
  lastError = Error$()
  steps = steps + "!"
  If steps = "a!" Then
    Resume Next
  End If
  Resume Done
Done:
  steps = steps + "d"
End Sub
)");
  EXPECT_EQ(Global("steps"), "a!b!d");
  EXPECT_NE(Global("lastError").find("Frobnicate"), std::string::npos) << Global("lastError");
  EXPECT_TRUE(app->HaltMessage().empty());
  EXPECT_TRUE(app->Ended()) << "with nothing to wake for, it ends after Main";
}

TEST_F(Programs, AnErrorWithoutAHandlerHaltsTheProgramNamingTheLine) {
  Run(R"(Declare Sub Main
Declare Sub Inner
Declare Sub RemoteMsgHandler
Global reached As Integer
Sub Main
  OnError GoTo Caught
  Call Inner
  reached = 1
  Exit Sub
Caught:
  reached = 2
  Resume Next
End Sub
Sub Inner
  Dim n As Integer
  n = 1 / 0
End Sub
Sub RemoteMsgHandler
End Sub
)");
  EXPECT_EQ(Global("reached"), "0") << "a caller's handler does not catch a callee's error";
  EXPECT_TRUE(app->Ended());
  EXPECT_EQ(app->HaltMessage(), "main.mb, line 16: Division by zero");
  EXPECT_FALSE(app->Execute("anything")) << "a halted program hears nothing";
}

TEST_F(Programs, AProgramThatNeverStopsIsHaltedNotWaitedFor) {
  Run(R"(Declare Sub Main
Sub Main
  Do
  Loop
End Sub
)");
  EXPECT_TRUE(app->Ended());
  EXPECT_NE(app->HaltMessage().find("too long"), std::string::npos);
}

TEST_F(Programs, DefineAndIncludeAsTheCompilerDoes) {
  files["Consts.DEF"] = "Define GREETING \"Hello\"\r\nDefine TWICE_TEN 2 * TEN\r\n";
  Run("Define TEN 10\r\n"
      "Include \"consts.def\"  ' the file's name in any letter case\r\n"
      "Declare Sub Main\r\n"
      "Global n As Integer\r\n"
      "Global s As String\r\n"
      "Sub Main\r\n"
      "  n = TWICE_TEN + ten  ' names are case-blind\r\n"
      "  s = GREETING + \" 'not a comment'\"\r\n"
      "End Sub\r\n");
  EXPECT_EQ(Global("n"), "30");
  EXPECT_EQ(Global("s"), "Hello 'not a comment'");
}

TEST_F(Programs, WhatTheHostCannotParseIsRefusedWithTheFileAndLine) {
  EXPECT_EQ(LoadError("Declare Sub Main\nSub Main\n  Frobnicate 3\nEnd Sub\n"),
            "main.mb, line 3: Unknown statement \"Frobnicate 3\"");
  files["Broken.def"] = "Declare Sub Main\n\nDeclare Sub ;\n";
  EXPECT_EQ(LoadError("Include \"Broken.def\"\nSub Main\nEnd Sub\n").substr(0, 18),
            "Broken.def, line 3");
  EXPECT_EQ(LoadError("Sub Main\nEnd Sub\n"), "main.mb, line 1: sub Main is not declared");
  EXPECT_EQ(LoadError("Declare Sub Main\nDeclare Sub Other\nSub Main\nEnd Sub\n"),
            "main.mb, line 2: sub Other is declared but not defined");
  EXPECT_EQ(LoadError("Declare Sub Main\nSub Main\n  OnError GoTo Nowhere\nEnd Sub\n"),
            "main.mb, line 3: there is no label nowhere in Main");
  EXPECT_EQ(LoadError("Declare Sub Main\nSub Main\n  If 1 Then\nEnd Sub\n"),
            "main.mb, line 3: If has no End If");
  EXPECT_EQ(LoadError("Include \"Missing.def\"\n"),
            "main.mb, line 1: cannot read the file \"Missing.def\"");
  files["Loop.def"] = "Include \"loop.def\"\nInclude \"loop.def\"\n";
  EXPECT_EQ(LoadError("Include \"Loop.def\"\n"), "Loop.def, line 1: \"loop.def\" includes itself");
  EXPECT_EQ(LoadError("Declare Sub Main\nSub Main\n  Note \"x\" )\nEnd Sub\n"),
            "main.mb, line 3: unexpected \")\" after the statement");
  EXPECT_EQ(LoadError("Declare Sub Main\nSub Main\n  Create Menu \"M\" As \"A\" Calling Mian\n"
                      "End Sub\n"),
            "main.mb, line 3: Mian is no sub of the program without arguments");
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

// Whatever line of the companion program goes missing, the host parses the rest or names a line;
// it never fails any other way.
TEST_F(Programs, TheCompanionWithAnyLineMissingParsesOrIsRefusedWithALine) {
  files["OrnilDll64.def"] = ReadFile(ORNIL_SOURCE_DIR "/companion/OrnilDll64.def");
  files["MAPBASIC.DEF"] = ReadFile(ORNIL_SOURCE_DIR "/sim/mapinfo/mapbasic_defs/MAPBASIC.DEF");
  files["ICONS.DEF"] = ReadFile(ORNIL_SOURCE_DIR "/sim/mapinfo/mapbasic_defs/ICONS.DEF");
  const std::string source = ReadFile(ORNIL_SOURCE_DIR "/companion/OrnilApp.mb");
  ASSERT_FALSE(source.empty());
  EXPECT_EQ(LoadError(source), "");
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '\n') starts.push_back(i + 1);
  }
  int refused = 0;
  for (std::size_t line = 0; line + 1 < starts.size(); ++line) {
    const std::string without = source.substr(0, starts[line]) + source.substr(starts[line + 1]);
    const std::string error = LoadError(without);
    if (error.empty()) continue;
    ++refused;
    EXPECT_EQ(error.find("main.mb, line "), 0u) << "without line " << line + 1 << ": " << error;
  }
  EXPECT_GT(refused, 50);
}

TEST_F(Programs, DllFunctionsBindByNameAndGiveBackWhatTheyChange) {
  Run(R"(Declare Sub Main
Declare Function Doubled Lib "TEST.DLL" Alias "Twice" (ByVal n As Integer) As Integer
Declare Sub Shout Lib "test" (s As String)
Declare Function HighBitsOnly Lib "test.dll" () As Logical
Declare Function Missing Lib "test.dll" () As Integer
Declare Function Twice Lib "test.dll" (ByVal n As SmallInt) As Integer
Global n As Integer
Global s, missingError, kindError As String
Global flag As Logical
Sub Main
  OnError GoTo Failed
  n = Doubled(21)
  s = "banana"
  Call Shout(s)
  flag = HighBitsOnly()
  n = n + Missing()
  n = n + Twice(1)
  Exit Sub
Failed:
  If missingError = "" Then
    missingError = Error$()
  Else
    kindError = Error$()
  End If
  Resume Next
End Sub
)");
  EXPECT_EQ(Global("n"), "42");
  EXPECT_EQ(Global("s"), "bAnAnA") << "a text the function changed in place comes back";
  EXPECT_EQ(Global("flag"), "F") << "a logical result is its low byte";
  EXPECT_EQ(Global("missingError"), "Function Missing was not found in test.dll");
  EXPECT_NE(Global("kindError").find("parameter n (ByVal As SmallInt)"), std::string::npos)
      << Global("kindError");
}

TEST_F(Programs, ProgramNamesReachTheHostOnlyFromTheProgramsOwnStatements) {
  host.AddTable({"T", {{"A", sim::mb::kInteger}, {"B", sim::mb::kChar, 10}}});
  host.TableNamed("T").AddRowTexts({"1", "one"});
  host.TableNamed("T").AddRowTexts({"2", "two"});
  Run(R"(Declare Sub Main
Global wanted, count As Integer
Global commandError As String
Sub Main
  wanted = 2
  Select * From T Where A = wanted Into Picked NoSelect
  count = TableInfo("Picked", 8)
  Print "found " + Str$(count)
  OnError GoTo Refused
  Run Command "Print wanted"
  Exit Sub
Refused:
  commandError = Error$()
  Resume Next
End Sub
)");
  EXPECT_EQ(Global("count"), "1");
  EXPECT_EQ(host.Messages(), (std::vector<std::string>{"found 1"}));
  EXPECT_NE(Global("commandError").find("wanted"), std::string::npos)
      << "Run Command sees no program variables";
  EXPECT_EQ(host.TableNamed("Picked").Cell(1, "B").text, "two");
}

TEST_F(Programs, DdeMessagesAndRequestsReachTheHandlers) {
  Run(R"(Declare Sub Main
Declare Sub RemoteMsgHandler
Declare Function RemoteQueryHandler() As String
Global counter As Integer
Global heard As String
Sub Main
  counter = 7
End Sub
Sub RemoteMsgHandler
  heard = heard + CommandInfo(1000) + ";"
End Sub
Function RemoteQueryHandler() As String
  RemoteQueryHandler = "asked " + CommandInfo(1000)
End Function
)");
  EXPECT_TRUE(app->Execute("first"));
  EXPECT_TRUE(app->Execute("second"));
  EXPECT_EQ(Global("heard"), "first;second;");
  EXPECT_EQ(app->Request("COUNTER"), "7") << "a global answers by its name";
  EXPECT_EQ(app->Request("other"), "asked other");
  EXPECT_EQ(app->Messages(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(Programs, HostEventsWakeTheHandlersWithTheirCommandInfo) {
  host.AddTable({"T", {{"A", sim::mb::kInteger}}, true});
  host.TableNamed("T").AddRowTexts({"1"});
  host.TableNamed("T").AddRowTexts({"2"});
  Run(R"(Declare Sub Main
Declare Sub SelChangedHandler
Declare Sub WinChangedHandler
Declare Sub WinClosedHandler
Global heard As String
Sub Main
End Sub
Sub SelChangedHandler
  heard = heard + "sel" + Str$(CommandInfo(1)) + "/" + Str$(CommandInfo(2)) + ";"
End Sub
Sub WinChangedHandler
  heard = heard + "changed" + Str$(CommandInfo(1)) + ";"
  Set Handler WinChangedHandler Off
End Sub
Sub WinClosedHandler
  heard = heard + "closed" + Str$(CommandInfo(1)) + ";"
End Sub
)");
  host.UserSelect("T", {2});
  ASSERT_TRUE(host.Run("Map from T").ok);
  const int map = host.Workspace().FrontWindowId();
  ASSERT_TRUE(host.Run("Update T Set A = 5 Where RowId = 1").ok);
  ASSERT_TRUE(host.Run("Update T Set A = 6 Where RowId = 1").ok);
  host.UserCloseWindow(map);
  EXPECT_EQ(Global("heard"),
            "sel1/2;changed" + std::to_string(map) + ";closed" + std::to_string(map) + ";")
      << "a handler switched off hears no more";
}

TEST_F(Programs, EndProgramInANestedHandlerStopsEveryProcedureAndEndsOnce) {
  host.AddTable({"T", {{"A", sim::mb::kInteger}}});
  host.TableNamed("T").AddRowTexts({"1"});
  Run(R"(Declare Sub Main
Declare Sub RemoteMsgHandler
Declare Sub SelChangedHandler
Declare Sub EndHandler
Global steps As String
Sub Main
End Sub
Sub RemoteMsgHandler
  steps = steps + "msg;"
  Run Command "Select * From T"
  steps = steps + "after;"
End Sub
Sub SelChangedHandler
  steps = steps + "sel;"
  End Program
End Sub
Sub EndHandler
  steps = steps + "end;"
End Sub
)");
  EXPECT_TRUE(app->Execute("go"));
  EXPECT_EQ(Global("steps"), "msg;sel;end;");
  EXPECT_TRUE(app->Ended());
  EXPECT_TRUE(app->HaltMessage().empty());
}

TEST_F(Programs, MenusAndToolsAreUsableOnlyWhenEnabled) {
  host.AddTable({"Parcels", {{"A", sim::mb::kInteger}}, true});
  host.AddTable({"Zones", {{"B", sim::mb::kInteger}}, true});
  host.TableNamed("Parcels").AddRowTexts({"1"});
  host.TableNamed("Parcels").objects[1] = {0, 0, 10, 10};
  host.TableNamed("Zones").AddRowTexts({"1"});
  host.TableNamed("Zones").objects[1] = {-50, -50, 50, 50};
  Run(R"(Declare Sub Main
Declare Sub Chosen
Declare Sub Enabler
Declare Sub Tool
Global heard As String
Sub Main
  Create Menu "Tools" As "(Later" ID 5 Calling Chosen, "(-", "Enable" Calling Enabler
  Create ButtonPad "Pad" As ToolButton Calling Tool ID 9 DrawMode 34
  Alter Menu Bar Add "Tools"
End Sub
Sub Chosen
  heard = heard + "chosen" + Str$(CommandInfo(8)) + ";"
End Sub
Sub Enabler
  Alter Menu Item ID 5 Enable
End Sub
Sub Tool
  Dim i As Integer
  heard = heard + "at" + Str$(CommandInfo(1)) + "," + Str$(CommandInfo(2))
  For i = 1 To SearchPoint(FrontWindow(), CommandInfo(1), CommandInfo(2))
    heard = heard + " " + SearchInfo(i, 1) + "#" + Str$(SearchInfo(i, 2))
  Next
  heard = heard + ";"
End Sub
)");
  EXPECT_FALSE(app->ChooseMenuItem("Tools", "Later")) << "written disabled";
  EXPECT_TRUE(app->ChooseMenuItem("Tools", "enable"));
  EXPECT_TRUE(app->ChooseMenuItem("Tools", "Later"));
  ASSERT_TRUE(host.Run("Map from Parcels, Zones").ok);
  const int map = host.Workspace().FrontWindowId();
  EXPECT_TRUE(app->UseTool("Tool", map, 5, 5.5));
  EXPECT_TRUE(app->UseTool("Tool", map, 20, 0));
  EXPECT_FALSE(app->UseTool("Chosen", map, 5, 5)) << "not a tool";
  EXPECT_EQ(Global("heard"), "chosen5;at5,5.5 Parcels#1 Zones#1;at20,0 Zones#1;");
}

TEST_F(Programs, DeclarationsAreCheckedAgainstTheFlavourTheyAreWrittenFor) {
  natives.Add(
      "test.dll", "Handle", +[](std::uintptr_t h) -> std::uintptr_t { return h; });
  Load(R"(Declare Sub Main
Declare Function Handle32 Lib "test.dll" Alias "Handle" (ByVal h As Integer) As Integer
Declare Function Handle64 Lib "test.dll" Alias "Handle" (ByVal h As IntPtr) As IntPtr
Declare Function Gone Lib "test.dll" () As Integer
Sub Main
End Sub
)");
  const auto& program = app->Runtime().Code();
  using sim::mb::DeclarationWidth;
  const auto any = sim::mb::CheckDeclarations(program, natives, DeclarationWidth::Any);
  EXPECT_TRUE(any.problems.empty());
  EXPECT_EQ(any.unbound, (std::vector<std::string>{"Gone"}));
  const auto bits32 = sim::mb::CheckDeclarations(program, natives, DeclarationWidth::Bits32);
  ASSERT_EQ(bits32.problems.size(), 1u);
  EXPECT_NE(bits32.problems[0].find("(ByVal As IntPtr) where the function takes a handle"),
            std::string::npos)
      << bits32.problems[0];
  EXPECT_EQ(sim::mb::CheckDeclarations(program, natives, DeclarationWidth::Bits64).problems.size(),
            1u);
}

}  // namespace
}  // namespace ornil::testing
