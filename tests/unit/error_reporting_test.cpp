// How failures read in the one error box, and the companion's reports on its statements.
#include <gtest/gtest.h>

#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "support/sim_world.h"
#include "text/cp1251.h"

namespace ornil {
namespace {

TEST(FormatDdeError, NamesTheCauseAndTheCodeInFourHexDigits) {
  EXPECT_EQ(text::ToUtf8(FormatDdeError("T", 0x4009)),
            "T Транзакция динамического обмена данными не выполнена (№ ошибки $4009)");
  EXPECT_EQ(text::ToUtf8(FormatDdeError("T", 0x4002)),
            "T Время, отведённое для DDE запроса истекло (№ ошибки $4002)");
  EXPECT_EQ(text::ToUtf8(FormatDdeError("T", 0)), "T  (№ ошибки $0000)");
  EXPECT_EQ(text::ToUtf8(FormatDdeError("", 0x1ABCD)),
            " Ошибка динамического обмена данными (№ ошибки $1ABCD)");
  EXPECT_EQ(DdeErrorText(0x4007), DdeErrorText(0x4008));
}

TEST(Boundary, ShowsOneBoxWhoseTextDependsOnTheFailure) {
  testing::SimWorld world;
  EXPECT_EQ(Boundary("A. ", 7, []() -> int { throw DdeError(0x400A, "m"); }), 7);
  EXPECT_EQ(Boundary("B. ", 7, []() -> int { throw OrnilError("m"); }), 7);
  EXPECT_EQ(Boundary("C. ", 7, []() -> int { throw std::runtime_error("hidden"); }), 7);
  EXPECT_EQ(Boundary("D. ", 7, [] { return 1; }), 1);

  ASSERT_EQ(world.dialogs.Shown().size(), 3u);
  EXPECT_EQ(world.ShownTexts()[0],
            "A. m Не установлен сеанс динамического обмена данными (№ ошибки $400A)");
  EXPECT_EQ(world.ShownTexts()[1], "B. m");
  EXPECT_EQ(world.ShownTexts()[2], "C. ");
  for (const auto& box : world.dialogs.Shown()) {
    EXPECT_EQ(box.caption, std::string("Ошибка"_cp));
    EXPECT_EQ(box.flags, 0x2010u);
  }
}

TEST(WithPrefix, PrefixesOnlyTheLibrarysOwnFailures) {
  try {
    WithPrefix("outer. ", [] { WithPrefix("inner. ", [] { throw DdeError(5, "cause"); }); });
    FAIL();
  } catch (const DdeError& e) {
    EXPECT_EQ(e.Message(), "outer. inner. cause");
    EXPECT_EQ(e.Code(), 5);
  }
  EXPECT_THROW(WithPrefix("x", [] { throw std::logic_error("foreign"); }), std::logic_error);
}

TEST(ReportingExports, CompanionReportsAndThePrintingSwitch) {
  testing::SimWorld world;
  EXPECT_EQ(IsPrintingError(), 1);
  EXPECT_EQ(SetMbApplicationExecuteError(1), 1);
  EXPECT_TRUE(Reporting().LastExecuteOk);
  // A MapBasic logical travels in the low word; the high word is noise.
  EXPECT_EQ(SetMbApplicationExecuteError(0x7FFF0000), 0);
  EXPECT_FALSE(Reporting().LastExecuteOk);
  EXPECT_EQ(SetMbApplicationExecuteError(-1), 1);

  {
    PrintErrorsOff quiet;
    EXPECT_EQ(IsPrintingError(), 0);
  }
  EXPECT_EQ(IsPrintingError(), 1);

  SetLastMapInfoErrorString("Ошибка"_cp);
  EXPECT_EQ(Reporting().LastMapInfoErrorString, std::string("Ошибка"_cp));
  SetLastMapInfoErrorString(nullptr);
  EXPECT_EQ(Reporting().LastMapInfoErrorString, "");
  EXPECT_TRUE(world.dialogs.Shown().empty());
}

}  // namespace
}  // namespace ornil
