// Text-to-number rules of the settings files.
//
// Two conversions exist. The leading-number rule reads the number at the start of a text
// (blanks skipped, anything after the number ignored, no number at all gives 0). The
// whole-text rule accepts a text only when all of it, blanks aside, is one number. Both then
// round to an integer with ties to even; a result outside the target range is a conversion
// error, which stops a settings load at that key.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantor {

class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value of the number at the start of `text`; 0 when there is none.
double LeadingNumber(std::wstring_view text);

// The value of `text` when the whole text (blanks around it allowed) is a number.
// Throws ConversionError otherwise, the empty text included.
double WholeNumber(std::wstring_view text);

// Round to the nearest integer, ties to even; throws ConversionError when out of range.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// Leading-number rule followed by the rounding above.
inline std::int16_t LeadingInt16(std::wstring_view text) { return RoundToInt16(LeadingNumber(text)); }
inline std::int32_t LeadingInt32(std::wstring_view text) { return RoundToInt32(LeadingNumber(text)); }

// Flag rules: rule "1" is on only for the exact text "1"; rule "0" is off only for "0".
inline bool FlagRule1(std::wstring_view text) { return text == L"1"; }
inline bool FlagRule0(std::wstring_view text) { return text != L"0"; }
inline std::int16_t Choice(std::wstring_view text) { return text == L"1" ? 1 : 0; }

// A boolean as the priority state file holds it: a number is on when it is not 0, and the
// words True and False (any letter case, blanks around allowed) convert. Anything else,
// the empty text included, is a conversion error.
bool ToBoolean(std::wstring_view text);

}  // namespace vantor
