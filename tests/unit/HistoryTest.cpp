// history.csv: the rows Vantor writes read back as they were written; bad lines told from rows.
#include "common/core/History.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

const LocalTime kStart{2004, 3, 7, 9, 5, 3}, kEnd{2004, 3, 7, 15, 10, 0};

TEST(HistoryFile, RowsReadBackAsWrittenAndBadLinesAreToldApart) {
  EXPECT_EQ(HistoryHeader(), "\xEF\xBB\xBFtask,started,ended,seconds,first_percent,last_percent,end\r\n");
  EXPECT_EQ(HistoryLine({L"LigandFit", kStart, kEnd, 21897, 1, 100, UnitEnd::Finished}),
            "LigandFit,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100,finished\r\n");
  EXPECT_EQ(HistoryLine({L"x", {48, 1, 2, 3, 4, 5}, kEnd, 0, 0, 0, UnitEnd::NewUnit}).substr(2, 19), "0048-01-02 03:04:05");
  const struct {
    std::wstring task;
    std::string field;  // as the file holds it
    std::wstring back;
  } names[] = {{L"A,B", "\"A,B\"", L"A,B"},
               {L"say \"hi\"", "\"say \"\"hi\"\"\"", L"say \"hi\""},
               {L"two\r\nlines", "two  lines", L"two  lines"},
               {L"オパール", "\xE3\x82\xAA\xE3\x83\x91\xE3\x83\xBC\xE3\x83\xAB", L"オパール"}};
  for (const auto& n : names) {
    const HistoryRow row{n.task, kStart, kEnd, 60, 40, 62, UnitEnd::AgentGone};
    const std::string line = HistoryLine(row);
    EXPECT_EQ(line.substr(0, line.find(",2004")), n.field);
    const HistoryLineRead read = ReadHistoryLine(line.substr(0, line.size() - 1));  // the CR stays
    ASSERT_EQ(read.kind, LineKind::Row) << line;
    EXPECT_EQ(read.row.task, n.back);
    EXPECT_EQ(read.row.end, UnitEnd::AgentGone);
  }
  const struct {
    std::string line;
    LineKind kind;
  } lines[] = {
      {"\xEF\xBB\xBFtask,started,ended,seconds,first_percent,last_percent,end", LineKind::Header},
      {"  ", LineKind::Blank},
      {"OPAL,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100", LineKind::Bad},        // too few fields
      {"OPAL,2003-02-29 09:05:03,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},  // no such day
      {"OPAL,2004-03-07 24:00:00,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004/3/7 9:05,2004-3-07 15:10,21897,1,100,finished", LineKind::Row},  // a spreadsheet's forms
      {"OPAL,2004/03/07 09:05:03,2004-03-07 9:10:00,21897,1,100,finished", LineKind::Row},
      {"OPAL,2003/2/29 9:05,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004/3-7 9:05,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004/3/7 9:5,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004/3/7 9:05:,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004/3/7 123:05,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},
      {"OPAL,2004-03-07 09:05:03,2004-03-07 15:10:00,-5,1,100,finished", LineKind::Bad},
      {"OPAL,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100,done", LineKind::Bad},
      {"\"OPAL,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100,finished", LineKind::Bad},  // a quote left open
      {"OPAL,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100,finished,", LineKind::Bad},
      {"OPAL,2000-02-29 09:05:03,2004-03-07 15:10:00,21897,1,100,new_unit", LineKind::Row},
  };
  for (const auto& l : lines) EXPECT_EQ(ReadHistoryLine(l.line).kind, l.kind) << l.line;
  EXPECT_EQ(ReadHistoryLine(lines[5].line).row.started, (LocalTime{2004, 3, 7, 9, 5, 0}));
  EXPECT_EQ(FromUtf8("a\xFFz"), L"a\uFFFDz") << "a byte that is not UTF-8";
  const std::pair<std::string, TextEncoding> files[] = {
      {HistoryHeader() + "\x83\x49\x83\x70", TextEncoding::Utf8},  // the mark decides
      {"OPAL,\xE3\x82\xAA\xEF\xBF\xBD", TextEncoding::Utf8},          // U+FFFD itself is UTF-8
      {"OPAL,\xE3\x82", TextEncoding::Utf8},                         // cut off by the sample's end
      {"\x83\x49\x83\x70\x81\x5B\x83\x8B,2004/3/7 9:05", TextEncoding::Ansi},  // CP932
      {"\xC0\x80", TextEncoding::Ansi},                               // an overlong form
      {"task,started\r\nOPAL,2004/3/7 9:05", TextEncoding::Ansi},     // ASCII alone
  };
  for (const auto& [start, encoding] : files) EXPECT_EQ(HistoryEncoding(start), encoding) << start;
  EXPECT_EQ(Median({5, 1, 9, 3}), 4);
}

}  // namespace
}  // namespace vantor
