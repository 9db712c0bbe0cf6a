// The time left and the units' rows, as a table of looks at the agent, one per tick.
#include "station/core/UnitTracker.h"

#include <gtest/gtest.h>

#include "station/core/TimeLeft.h"
#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

struct Look {
  int t;        // seconds of the clock that does not count sleep
  int percent;  // -1: the agent's window is away
  const wchar_t* task = L"LigandFit";
  int slept = 0;  // seconds the computer slept before this look, which only the local clock saw
};

TEST(UnitTracker, TheTimeLeftAndTheRowsOfEachRunOfLooks) {
  const struct {
    const char* what;
    std::vector<Look> looks;
    int at;
    const wchar_t* line;
    const wchar_t* rows;  // then Vantor ends
  } cases[] = {
      {"the first sight alone gives no row", {{0, 40}}, 0, L"残り時間：計算中", L""},
      {"the first change ends a step of unknown length", {{0, 40}, {3, 41}}, 3, L"残り時間：計算中", L"vantor_exit:40-41:3 "},
      {"two known steps of 3 s at 43 %", {{0, 40}, {3, 41}, {6, 42}, {9, 43}}, 9, L"残り時間：約3分", L"vantor_exit:40-43:9 "},
      {"sleep counts for nothing", {{0, 40}, {3, 41}, {6, 42, L"LigandFit", 28800}, {9, 43}}, 9, L"残り時間：約3分", L"vantor_exit:40-43:9 "},
      {"steps of 2 min at 53 %", {{0, 50}, {120, 51}, {240, 52}, {360, 53}}, 360, L"残り時間：約1時間35分", L"vantor_exit:50-53:360 "},
      {"within a step it counts down, to no less than the rest after this step", {{0, 50}, {120, 51}, {240, 52}, {360, 53}}, 660, L"残り時間：約1時間30分", L"vantor_exit:50-53:360 "},
      {"never less than the rest after this step", {{0, 87}, {60, 88}, {120, 89}, {180, 90}}, 350, L"残り時間：約9分", L"vantor_exit:87-90:180 "},
      {"three typical steps without a change", {{0, 50}, {120, 51}, {240, 52}, {360, 53}}, 721, L"残り時間：不明（6分進んでいません）", L"vantor_exit:50-53:360 "},
      {"the median of the last five steps", {{0, 10}, {50, 11}, {150, 12}, {250, 13}, {350, 14}, {360, 15}, {370, 16}, {380, 17}}, 380, L"残り時間：約14分", L"vantor_exit:10-17:380 "},
      {"a change by two percent is two steps", {{0, 40}, {3, 41}, {6, 42}, {12, 44}}, 12, L"残り時間：約3分", L"vantor_exit:40-44:12 "},
      {"a fall begins a new unit", {{0, 40}, {3, 41}, {6, 42}, {9, 43}, {12, 2}}, 12, L"残り時間：計算中", L"new_unit:40-43:9 "},
      {"so does a new task read at two looks in a row", {{0, 40}, {3, 41}, {6, 42}, {9, 43, L"BOLERO"}, {12, 44, L"BOLERO"}}, 12, L"残り時間：計算中", L"new_unit:40-43:9 "},
      {"a name read once, none, or \"No task\" ends nothing",
       {{0, 40}, {3, 41, L"BOLERO"}, {6, 42}, {9, 43, L""}, {12, 44, L"No task"}, {15, 45, L"BOLERO"}}, 15, L"残り時間：約3分", L"vantor_exit:40-45:15 "},
      {"a unit begun without a name takes the first one", {{0, 40, L"No task"}, {3, 41}, {6, 42}}, 6, L"残り時間：計算中", L"vantor_exit:40-42:6 "},
      {"99 % seen is finished; at 0 % no line", {{0, 97}, {3, 98}, {6, 99}, {9, 0}}, 9, L"", L"finished:97-99:6 "},
      {"no line at 100 %", {{0, 98}, {3, 99}, {6, 100}}, 6, L"", L"finished:98-100:6 "},
      {"back within a minute: the unit goes on, its estimate starts again",
       {{0, 40}, {3, 41}, {6, 42}, {9, 43}, {10, -1}, {30, -1}, {31, 43}, {34, 44}, {37, 45}}, 37, L"残り時間：計算中", L"vantor_exit:40-45:37 "},
      {"a minute away ends the unit", {{0, 40}, {3, 41}, {10, -1}, {69, -1}, {70, -1}, {75, 42}, {78, 43}}, 78, L"残り時間：計算中", L"agent_gone:40-41:3 vantor_exit:42-43:3 "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UnitTracker tracker;
    std::wstring rows;
    const auto keep = [&](std::optional<HistoryRow> r) {
      const wchar_t* ends[] = {L"finished", L"new_unit", L"agent_gone", L"vantor_exit"};
      if (r) rows += std::wstring(ends[static_cast<int>(r->end)]) + L":" + std::to_wstring(r->firstPercent) + L"-" +
                     std::to_wstring(r->lastPercent) + L":" + std::to_wstring(r->seconds) + L" ";
    };
    int slept = 0, percent = 0;
    for (const Look& look : c.looks) {
      const std::uint64_t now = static_cast<std::uint64_t>(look.t) * kClockSecond;
      const int local = look.t + (slept += look.slept);
      percent = std::max(look.percent, 0);
      if (look.percent < 0) {
        keep(tracker.Away(now));
        continue;
      }
      keep(tracker.Seen(static_cast<std::int16_t>(look.percent), look.task, now, {2004, 3, 7, local / 3600 % 24, local / 60 % 60, local % 60}));
      tracker.Present();
    }
    const Estimate estimate = tracker.EstimateAt(static_cast<std::int16_t>(percent), static_cast<std::uint64_t>(c.at) * kClockSecond);
    EXPECT_EQ(TimeLeftLine(test::kTimeLeftTexts, estimate), c.line);
    keep(tracker.End());
    EXPECT_EQ(rows, c.rows);
  }
}

}  // namespace
}  // namespace vantor
