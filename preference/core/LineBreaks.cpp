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

// True when text[at] belongs to the character before it: the second half of a surrogate pair,
// a combining mark (the kana voicing marks among them) or a variation selector.
bool Joined(std::wstring_view text, std::size_t at) {
  const wchar_t c = text[at];
  return (c >= 0xDC00 && c <= 0xDFFF) || (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
         (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) || c == 0x3099 || c == 0x309A ||
         (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F);
}

// The end of the character that starts at `at`, with everything joined to it.
std::size_t CharacterEnd(std::wstring_view text, std::size_t at) {
  ++at;
  while (at < text.size() && Joined(text, at)) ++at;
  return at;
}

// True when a line may end right before text[at].
bool BreakBefore(std::wstring_view text, std::size_t at) {
  const wchar_t before = text[at - 1], after = text[at];
  if (after == L' ' || Joined(text, at) || NoLineStart(after) || NoLineEnd(before)) return false;
  return before == L' ' || Wide(before) || Wide(after);
}

}  // namespace

std::wstring BreakLines(std::wstring_view text, int width, const std::function<int(std::wstring_view)>& measure) {
  std::wstring lines;
  std::size_t start = 0;
  while (start < text.size()) {
    // The longest run of whole characters from `start` that fits, of one character at least.
    std::size_t end = CharacterEnd(text, start);
    for (std::size_t next; end < text.size() && measure(text.substr(start, (next = CharacterEnd(text, end)) - start)) <= width;) {
      end = next;
    }
    if (end == text.size()) {
      lines += text.substr(start);
      break;
    }
    // A space that does not fit is where the line ends; else the last place to break that fits.
    std::size_t cut = end;
    if (text[end] != L' ') {
      while (cut > start + 1 && !BreakBefore(text, cut)) --cut;
      if (!BreakBefore(text, cut)) cut = end;  // one word fills the line
    }
    std::size_t last = cut;
    while (last > start && text[last - 1] == L' ') --last;
    lines += text.substr(start, last - start);
    lines += L"\r\n";
    for (start = cut; start < text.size() && text[start] == L' ';) ++start;
  }
  return lines;
}

}  // namespace vantor::preference
