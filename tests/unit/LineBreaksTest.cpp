#include "preference/core/LineBreaks.h"

#include <gtest/gtest.h>

namespace vantor::preference {

// A label's lines, with Japanese characters two units wide and all others one.
TEST(PreferenceLineBreaks, JapaneseBreaksAnywhereButBeforeClosingMarksWordsStayWhole) {
  const auto measure = [](std::wstring_view run) {
    int width = 0;
    for (wchar_t c : run) width += c >= 0x2E80 ? 2 : 1;
    return width;
  };
  const struct {
    const wchar_t* text;
    int width;
    const wchar_t* lines;
  } cases[] = {
      {L"あいうえお", 4, L"あい\r\nうえ\r\nお"},
      {L"あいう。えお", 6, L"あい\r\nう。え\r\nお"},      // no line starts with 。
      {L"であ「かぎ」", 6, L"であ\r\n「か\r\nぎ」"},      // nor ends with 「, nor starts with 」
      {L"ab  cdef gh", 6, L"ab\r\ncdef\r\ngh"},        // words whole, spaces at a break gone
      {L"でUDAgentの", 6, L"で\r\nUDAgen\r\ntの"},     // a word wider than a line: where it is full
      {L"xy abc de", 6, L"xy abc\r\nde"},            // a space that does not fit is the break
      {L"あ\xD83D\xDE00\xD83D\xDE00", 5, L"あ\r\n\xD83D\xDE00\r\n\xD83D\xDE00"},  // a pair stays whole
      {L"かか\u3099か", 4, L"か\r\nか\u3099\r\nか"},     // a mark stays with its character
      {L"あいう", 6, L"あいう"},
      {L"", 6, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakLines(c.text, c.width, measure), c.lines) << c.width;
}

}  // namespace vantor::preference
