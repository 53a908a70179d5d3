// The host's values on their own: the date forms it reads, conversions into typed columns and the
// order in which values compare.
#include <gtest/gtest.h>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/metadata.h"
#include "sim/mapinfo/value.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {
namespace {

TEST(HostValues, DatesAreReadInTheirSeveralFormsAndCheckedForRealDays) {
  EXPECT_EQ(ParseDate("15.03.2019"), 20190315);
  EXPECT_EQ(ParseDate(" 1.3.2019 "), 20190301);
  EXPECT_EQ(ParseDate("15.03.19"), 20190315);
  EXPECT_EQ(ParseDate("20190315"), 20190315);
  EXPECT_EQ(ParseDate("2019-03-15"), 20190315);
  EXPECT_EQ(ParseDate(""), 0);
  EXPECT_EQ(ParseDate("29.02.2000"), 20000229);
  for (const char* bad : {"29.02.1900", "31.04.2020", "00.01.2020", "15.13.2019", "15/03/2019",
                          "15.03", "15.03.019", "2019-3", "abc", "1.2.3.4", "99999999"}) {
    EXPECT_EQ(ParseDate(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(FormatDate(20190305), "05.03.2019");
  EXPECT_EQ(DaysToDate(DateToDays(20240228) + 2), 20240301);
}

TEST(HostValues, CoercionIntoColumnTypes) {
  EXPECT_EQ(ToText(Coerce(Value::Text(" 12 "), kInteger)), "12");
  EXPECT_EQ(ToText(Coerce(Value::Float(2.5), kInteger)), "3");
  EXPECT_EQ(ToText(Coerce(Value::Float(-2.5), kSmallInt)), "-3");
  EXPECT_EQ(ToText(Coerce(Value::Text(""), kFloat)), "0");
  EXPECT_EQ(ToText(Coerce(Value::Float(1.005), kDecimal, 10, 2)), "1.01");
  EXPECT_EQ(ToText(Coerce(Value::Float(-2.675), kDecimal, 10, 2)), "-2.68");
  EXPECT_EQ(ToText(Coerce(Value::Float(0.994), kDecimal, 10, 2)), "0.99");
  EXPECT_EQ(ToText(Coerce(Value::Float(9.995), kDecimal, 10, 2)), "10.00");
  EXPECT_EQ(ToText(Coerce(Value::Float(12), kDecimal, 10, 0)), "12");
  EXPECT_EQ(ToText(Coerce(Value::Integer(7), kChar, 0)), "7");
  EXPECT_EQ(ToText(Coerce(Value::Text("abcdef"), kChar, 3)), "abc");
  EXPECT_EQ(ToText(Coerce(Value::Text("t"), kLogical)), "T");
  EXPECT_EQ(ToText(Coerce(Value::Integer(2), kLogical)), "T");
  EXPECT_EQ(ToText(Coerce(Value::Text(""), kLogical)), "F");
  EXPECT_EQ(ToText(Coerce(Value::Date(20200101), kChar)), "01.01.2020");
  EXPECT_THROW(Coerce(Value::Text("12a"), kInteger), HostError);
  EXPECT_THROW(Coerce(Value::Float(3e9), kInteger), HostError);
  EXPECT_THROW(Coerce(Value::Integer(32768), kSmallInt), HostError);
  EXPECT_THROW(Coerce(Value::Date(20200101), kFloat), HostError);
  EXPECT_THROW(Coerce(Value::Integer(20200101), kDate), HostError);
  EXPECT_THROW(Coerce(Value::Text("yes please"), kLogical), HostError);
}

TEST(HostValues, ComparisonsByKind) {
  EXPECT_EQ(Compare(Value::Text("абв"_cp), Value::Text("АБВ"_cp)), 0);
  EXPECT_LT(Compare(Value::Text("а"_cp), Value::Text("Б"_cp)), 0);
  EXPECT_LT(Compare(Value::Text("ab"), Value::Text("abc")), 0);
  EXPECT_EQ(Compare(Value::Decimal(2.5, 2), Value::Float(2.5)), 0);
  EXPECT_EQ(Compare(Value::Logical(true), Value::Integer(1)), 0);
  EXPECT_GT(Compare(Value::Date(20200102), Value::Text("01.01.2020")), 0);
  EXPECT_LT(Compare(Value::Date(0), Value::Date(19000101)), 0) << "the blank date comes first";
  EXPECT_THROW(Compare(Value::Text("1"), Value::Integer(1)), HostError);
  EXPECT_THROW(Compare(Value::Date(20200101), Value::Integer(1)), HostError);
  EXPECT_THROW(Compare(Value::Date(20200101), Value::Text("soon")), HostError);
}

TEST(HostMetadata, KeysIgnoreCaseAndDropByBranchOnly) {
  Metadata m;
  m.Set("\\Ornil", "2");
  m.Set("\\Ornil\\1\\Тип"_cp, "0");
  m.Set("\\ORNIL\\1\\тип"_cp, "-1");  // the same key
  m.Set("\\Ornil\\10", "x");
  m.Set("\\Ornil2", "kept");
  EXPECT_EQ(m.Size(), 4u);
  EXPECT_EQ(m.Get("\\ornil\\1\\ТИП"_cp), "-1");
  EXPECT_EQ(m.Entries().front().first, "\\Ornil");
  EXPECT_EQ(m.Drop("\\Ornil\\1", true), 1);
  EXPECT_EQ(m.Drop("\\Ornil", true), 2);
  EXPECT_EQ(m.Get("\\Ornil2"), "kept");
  EXPECT_THROW(m.Set("", "x"), HostError);
  EXPECT_THROW(m.Set("\\", "x"), HostError);
  EXPECT_THROW(m.Set("\\a\\\\b", "x"), HostError);
}

}  // namespace
}  // namespace ornil::sim::mb
