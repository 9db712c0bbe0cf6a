// The time-left line of the tooltip from the string table's texts.
#include "station/core/TimeLeft.h"

#include <gtest/gtest.h>

#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

TEST(TimeLeftLine, EachTextRoundsItsOwnWay) {
  const struct {
    Estimate estimate;
    const wchar_t* line;
  } rows[] = {
      {{EstimateKind::Left, 20}, L"残り時間：約1分"},           {{EstimateKind::Left, 89}, L"残り時間：約1分"},
      {{EstimateKind::Left, 90}, L"残り時間：約2分"},           {{EstimateKind::Left, 3569}, L"残り時間：約59分"},
      {{EstimateKind::Left, 3570}, L"残り時間：約1時間0分"},    {{EstimateKind::Left, 9150}, L"残り時間：約2時間35分"},
      {{EstimateKind::Left, 86249}, L"残り時間：約23時間55分"}, {{EstimateKind::Left, 86250}, L"残り時間：約1日0時間"},
      {{EstimateKind::Left, 273600}, L"残り時間：約3日4時間"},  {{EstimateKind::Stalled, 10}, L"残り時間：不明（1分進んでいません）"},
      {{EstimateKind::None, 0}, L""},
  };
  for (const auto& row : rows) EXPECT_EQ(TimeLeftLine(test::kTimeLeftTexts, row.estimate), row.line) << row.estimate.seconds;
  // A line that does not fit the tooltip's field is left out whole.
  EXPECT_EQ(WithLine(std::wstring(53, L'x'), L"残り時間：約3分", 63), std::wstring(53, L'x') + L"\r\n残り時間：約3分");
  EXPECT_EQ(WithLine(std::wstring(54, L'x'), L"残り時間：約3分", 63), std::wstring(54, L'x'));
}

}  // namespace
}  // namespace vantor
