#include "preference/core/LineBreaks.h"

namespace vantor::preference {
namespace {

// Japanese characters and the full-width forms.
bool Wide(wchar_t c) { return c >= 0x2E80; }

bool NoLineStart(wchar_t c) {
  return std::wstring_view(L"、。，．・：；？！ー）」』】〕〉》’”ゝゞ々ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ,.:;!?)]}%")
             .find(c) != std::wstring_view::npos;
}

bool NoLineEnd(wchar_t c) { return std::wstring_view(L"（「『【〔〈《‘“([{").find(c) != std::wstring_view::npos; }

// True when a line may end right before text[at].
bool BreakBefore(std::wstring_view text, std::size_t at) {
  const wchar_t before = text[at - 1], after = text[at];
  if (after == L' ' || NoLineStart(after) || NoLineEnd(before)) return false;
  return before == L' ' || Wide(before) || Wide(after);
}

}  // namespace

std::wstring BreakLines(std::wstring_view text, int width, const std::function<int(std::wstring_view)>& measure) {
  std::wstring lines;
  std::size_t start = 0;
  while (start < text.size()) {
    // The longest run from `start` that fits, of one character at least.
    std::size_t end = start + 1;
    while (end < text.size() && measure(text.substr(start, end + 1 - start)) <= width) ++end;
    if (end == text.size()) {
      lines += text.substr(start);
      break;
    }
    std::size_t cut = end;
    while (cut > start + 1 && !BreakBefore(text, cut)) --cut;
    if (!BreakBefore(text, cut)) cut = end;  // one word fills the line
    std::size_t last = cut;
    while (last > start && text[last - 1] == L' ') --last;
    lines += text.substr(start, last - start);
    lines += L"\r\n";
    for (start = cut; start < text.size() && text[start] == L' ';) ++start;
  }
  return lines;
}

}  // namespace vantor::preference
