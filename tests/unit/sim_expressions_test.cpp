// The simulated host's expressions as a Request sees them: literals and operators, the text forms
// of every type, the conversion functions, letter case, and what answers no data.
#include <gtest/gtest.h>

#include "sim/data/sample_tables.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "text/cp1251.h"

namespace ornil::sim {
namespace {

class Expressions : public ::testing::Test {
 protected:
  Expressions() { data::AddSampleTables(host); }
  std::optional<std::string> Ask(const std::string& e) { return host.Request(e); }
  std::string Text(const std::string& e) { return host.Request(e).value_or("<no data>"); }

  MapInfoHost host;
};

TEST_F(Expressions, ArithmeticFollowsPrecedenceAndKeepsIntegersWhole) {
  EXPECT_EQ(Text("1+2*3"), "7");
  EXPECT_EQ(Text("(1+2)*3"), "9");
  EXPECT_EQ(Text("-2^2"), "-4");
  EXPECT_EQ(Text("7/2"), "3.5");
  EXPECT_EQ(Text("7\\2"), "3");
  EXPECT_EQ(Text("7 mod 3"), "1");
  EXPECT_EQ(Text("0.1+0.2"), "0.3");
  EXPECT_EQ(Text("2.50*2"), "5");
  EXPECT_EQ(Text("1/3"), "0.333333333333333");
  EXPECT_EQ(Ask("1/0"), std::nullopt);
}

TEST_F(Expressions, StringsConcatenateWithPlusOrAmpersandAndCompareWithoutCase) {
  EXPECT_EQ(Text("\"a\" + \"b\" & 3"), "ab3");
  EXPECT_EQ(Text("\"Say \"\"hi\"\"\""), "Say \"hi\"");
  EXPECT_EQ(Text("\"Ёлка\" = \"ЁЛКА\""_cp), "T");
  EXPECT_EQ(Text("\"abc\" < \"ABD\""), "T");
  EXPECT_EQ(Text("\"Иванов\" like \"ив%\""_cp), "T");
  EXPECT_EQ(Text("\"Иванов\" like \"_в%в\""_cp), "T");
  EXPECT_EQ(Text("\"Иванов\" like \"Пет%\""_cp), "F");
}

TEST_F(Expressions, LogicalOperatorsAndComparisons) {
  EXPECT_EQ(Text("1 < 2 and not 3 = 4"), "T");
  EXPECT_EQ(Text("1 > 2 or 2 >= 3"), "F");
  EXPECT_EQ(Text("2 <> 2.0"), "F");
  EXPECT_EQ(Text("True and not False"), "T");
}

TEST_F(Expressions, TypeMismatchesAnswerNoData) {
  EXPECT_EQ(Ask("\"a\" = 1"), std::nullopt);
  EXPECT_EQ(Ask("\"a\" * 2"), std::nullopt);
  EXPECT_EQ(Ask("\"a\" and 1 = 1"), std::nullopt);
  ASSERT_FALSE(host.FailedRequests().empty());
  EXPECT_NE(host.FailedRequests().back().find("Type mismatch"), std::string::npos);
}

TEST_F(Expressions, SyntaxErrorsAndUnknownNamesAnswerNoData) {
  for (const char* bad :
       {"", "1 +", "(1", "\"open", "Str$(1", "NoSuchFunction(1)", "Str$(1, 2)", "UnknownVariable",
        "Parcels.NoColumn", "Nowhere.COL1", "1 2", "#", "Max(1)"}) {
    EXPECT_EQ(Ask(bad), std::nullopt) << bad;
  }
}

TEST_F(Expressions, DeepOrLongExpressionsAreErrorsNotCrashes) {
  EXPECT_EQ(Ask(std::string(100000, '(') + "1" + std::string(100000, ')')), std::nullopt);
  EXPECT_EQ(Ask(std::string(100000, '-') + "1"), std::nullopt);
  std::string chain = "1";
  for (int i = 0; i < 100000; ++i)
    chain += "+1";
  EXPECT_EQ(Ask(chain), std::nullopt);
  EXPECT_FALSE(host.Run("Select " + chain + " from Parcels into X").ok);
  std::string sum = "1";
  for (int i = 0; i < 1500; ++i)
    sum += "+1";
  EXPECT_EQ(Text(sum), "1501") << "long, but within the limit";
}

TEST_F(Expressions, FunctionNamesIgnoreLetterCase) {
  EXPECT_EQ(Text("str$(12)"), "12");
  EXPECT_EQ(Text("STR$(12)"), "12");
  EXPECT_EQ(Text("format$(3,\"0\")"), "3");
  EXPECT_EQ(Text("Tableinfo(Parcels,4)"), "9");
  EXPECT_EQ(Text("Columninfo(\"Parcels\",\"COL1\",1)"), "Id");
  EXPECT_EQ(Text("numtables()"), "3");
}

TEST_F(Expressions, FormatPatterns) {
  EXPECT_EQ(Text("Format$(1234.567,\"0\")"), "1235");
  EXPECT_EQ(Text("Format$(-0.4,\"0\")"), "0");
  EXPECT_EQ(Text("Format$(1234.5,\"#,##0.00\")"), "1,234.50");
  EXPECT_EQ(Text("Format$(0.5,\"#.##\")"), ".5");
  EXPECT_EQ(Text("Format$(7,\"000\")"), "007");
  EXPECT_EQ(Text("Format$(2.675,\"0.00\")"), "2.68");
  EXPECT_EQ(Text("Format$(2.5,\"0\")"), "3");
  EXPECT_EQ(Text("Format$(0.256,\"0.0%\")"), "25.6%");
  EXPECT_EQ(Text("Format$(1 = 1,\"0\")"), "1");
  EXPECT_EQ(Text("Format$(1 = 2,\"0\")"), "0");
  EXPECT_EQ(Text("Format$(2.5,\"\")"), "2.5");
  EXPECT_EQ(Text("Format$(\"12\",\"0.0\")"), "12.0");
  EXPECT_EQ(Ask("Format$(\"abc\",\"0\")"), std::nullopt);
}

TEST_F(Expressions, NumberFormattingRoundTrips) {
  EXPECT_EQ(Text("FormatNumber$(1234567.25)"), "1,234,567.25");
  EXPECT_EQ(Text("FormatNumber$(-1234)"), "-1,234");
  EXPECT_EQ(Text("FormatNumber$(\"999\")"), "999");
  EXPECT_EQ(Text("DeformatNumber$(FormatNumber$(1234567.25))"), "1234567.25");
  EXPECT_EQ(Text("DeformatNumber$(\"12,345.5\")"), "12345.5");
}

TEST_F(Expressions, ValReadsTheNumberAtTheStart) {
  EXPECT_EQ(Text("Val(\"12.5 м\")"_cp), "12.5");
  EXPECT_EQ(Text("Val(\"  -3\")"), "-3");
  EXPECT_EQ(Text("Val(\"abc\")"), "0");
  EXPECT_EQ(Text("Val(\"\")"), "0");
}

TEST_F(Expressions, PathToTableNameMakesALegalName) {
  EXPECT_EQ(Text("PathToTableName$(\"C:\\data\\Мои участки.TAB\")"_cp), "Мои_участки"_cp);
  EXPECT_EQ(Text("PathToTableName$(\"2024-plan\")"), "_2024_plan");
  EXPECT_EQ(Text("PathToTableName$(SelExpression)"), "SelExpression");
  EXPECT_EQ(Text("PathToTableName$(\"" + std::string(40, 'x') + "\")"), std::string(31, 'x'));
  EXPECT_EQ(Text("PathToTableName$(\"\")"), "");
}

TEST_F(Expressions, StringHelpers) {
  EXPECT_EQ(Text("UCase$(\"ёжик\")"_cp), "ЁЖИК"_cp);
  EXPECT_EQ(Text("LCase$(\"ЁЖИК\")"_cp), "ёжик"_cp);
  EXPECT_EQ(Text("Len(\"abc\") + 1"), "4");
  EXPECT_EQ(Text("Left$(\"abcdef\",2) + Mid$(\"abcdef\",3,2) + Right$(\"abcdef\",1)"), "abcdf");
  EXPECT_EQ(Text("RTrim$(LTrim$(\"  a  \")) + \"|\""), "a|");
}

TEST_F(Expressions, DatesPrintAsDayMonthYearAndCount) {
  EXPECT_EQ(Text("StringToDate(\"20240229\")"), "29.02.2024");
  EXPECT_EQ(Text("StringToDate(\"1.3.2024\") - StringToDate(\"2024-02-28\")"), "2");
  EXPECT_EQ(Text("StringToDate(\"31.12.2023\") + 1"), "01.01.2024");
  EXPECT_EQ(Text("Str$(CurDate())"), "15.01.2024");
  EXPECT_EQ(Text("Year(\"05.06.07\")"), "2007");
  EXPECT_EQ(Text("Year(\"05.06.30\")"), "1930");
  EXPECT_EQ(Ask("StringToDate(\"30.02.2024\")"), std::nullopt);
  EXPECT_EQ(Ask("StringToDate(\"1\") + 1"), std::nullopt);
}

TEST_F(Expressions, SystemInfoAnswersTheMainWindow) {
  host.SetMainWindow(0x5A5A0);
  EXPECT_EQ(Text("SystemInfo(9)"), std::to_string(0x5A5A0));
  EXPECT_EQ(Text("Systeminfo(15)"), std::to_string(host.Workspace().mdiClientWindow));
  EXPECT_EQ(Ask("SystemInfo(999)"), std::nullopt);
}

TEST_F(Expressions, AnExpressionAskedAgainSeesTheNewState) {
  EXPECT_EQ(Text("NumTables()"), "3");
  host.Run("Close Table Parcels");
  EXPECT_EQ(Text("NumTables()"), "2");
}

}  // namespace
}  // namespace ornil::sim
