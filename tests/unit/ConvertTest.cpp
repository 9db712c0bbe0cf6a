#include "common/core/Convert.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresTheRest) {
  struct Case { const wchar_t* text; double value; };
  const Case cases[] = {
      {L"", 0},          {L"abc", 0},        {L"250abc", 250},   {L"  42", 42},
      {L"\t7", 7},       {L"-12", -12},      {L"+5", 5},         {L"3.75x", 3.75},
      {L".5", 0.5},      {L"5.", 5},         {L"1e3", 1000},     {L"1E+2z", 100},
      {L"2e", 2},        {L"2e-", 2},        {L"-", 0},          {L".", 0},
      {L"12 34", 12},    {L"0x10", 0},       {L"1d2", 100},      {L"16744576", 16744576},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(WholeNumber, AcceptsOnlyANumberWithBlanksAround) {
  EXPECT_DOUBLE_EQ(WholeNumber(L" 12 "), 12);
  EXPECT_DOUBLE_EQ(WholeNumber(L"123.5"), 123.5);
  EXPECT_DOUBLE_EQ(WholeNumber(L"-3"), -3);
  for (const wchar_t* bad : {L"", L"  ", L"abc", L"12abc", L"1 2", L"十五", L"--1"}) {
    EXPECT_THROW(WholeNumber(bad), ConversionError) << bad;
  }
}

TEST(Rounding, TiesGoToEvenAndRangesAreEnforced) {
  EXPECT_EQ(RoundToInt16(123.5), 124);
  EXPECT_EQ(RoundToInt16(122.5), 122);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(0.4999), 0);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_THROW(RoundToInt16(32767.5), ConversionError);  // rounds to 32768
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);               // ties to even stays in range
  EXPECT_THROW(RoundToInt16(-32769), ConversionError);
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_THROW(RoundToInt32(2147483648.0), ConversionError);
  EXPECT_THROW(LeadingInt32(L"1e400"), ConversionError);
  EXPECT_EQ(LeadingInt16(L"1e-400"), 0);
}

TEST(Flags, CompareTheExactText) {
  EXPECT_TRUE(FlagRule1(L"1"));
  for (const wchar_t* off : {L"", L"0", L"-1", L"true", L"01", L" 1", L"1 "}) EXPECT_FALSE(FlagRule1(off)) << off;
  EXPECT_FALSE(FlagRule0(L"0"));
  for (const wchar_t* on : {L"", L"1", L"word", L"00", L" 0"}) EXPECT_TRUE(FlagRule0(on)) << on;
  EXPECT_EQ(Choice(L"1"), 1);
  EXPECT_EQ(Choice(L"-1"), 0);
  EXPECT_EQ(Choice(L"2"), 0);
}

TEST(ToBoolean, NumbersAndTheTwoWords) {
  EXPECT_TRUE(ToBoolean(L"1"));
  EXPECT_TRUE(ToBoolean(L"-1"));
  EXPECT_TRUE(ToBoolean(L"0.5"));
  EXPECT_FALSE(ToBoolean(L"0"));
  EXPECT_TRUE(ToBoolean(L"True"));
  EXPECT_TRUE(ToBoolean(L" TRUE "));
  EXPECT_FALSE(ToBoolean(L"false"));
  for (const wchar_t* bad : {L"", L"yes", L"1x", L"Truely"}) EXPECT_THROW(ToBoolean(bad), ConversionError) << bad;
}

}  // namespace
}  // namespace vantor
