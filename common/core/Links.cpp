#include "common/core/Links.h"

#include <utility>

namespace vantor {
namespace {

bool IsBlankLine(std::wstring_view line) {
  return line.find_first_not_of(L" \t") == std::wstring_view::npos;
}

}  // namespace

LinkReadResult ParseLinks(std::wstring_view text) {
  LinkReadResult result;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const std::size_t lf = text.find(L'\n', pos);
    const std::size_t end = lf == std::wstring_view::npos ? text.size() : lf;
    std::wstring_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    if (IsBlankLine(line)) continue;
    const std::size_t comma = line.find(L',');
    if (comma == std::wstring_view::npos) {
      result.Complete = false;
      result.Unread = std::wstring(text.substr(start));
      break;
    }
    result.Links.push_back({std::wstring(line.substr(0, comma)), std::wstring(line.substr(comma + 1))});
  }
  return result;
}

void LoadLinks(LinkFilePort& files, const std::wstring& path, LinkList& list) {
  list = LinkList{};
  TextRead file = files.ReadText(path);
  if (file.outcome == TextReadOutcome::Missing) {
    // Missing: create it with the default bookmark. Whether that worked or someone else
    // created it meanwhile, one more read decides; there is no further retry.
    files.CreateText(path, kDefaultLinksText);
    file = files.ReadText(path);
    if (file.outcome == TextReadOutcome::Missing) return;
  }
  if (file.outcome == TextReadOutcome::Partial) {
    // The last line read may be cut short: only whole lines count.
    const std::size_t lf = file.text.rfind(L'\n');
    file.text.resize(lf == std::wstring::npos ? 0 : lf + 1);
    list.ReadWhole = false;
  }
  LinkReadResult read = ParseLinks(file.text);
  list.Links = std::move(read.Links);
  list.Complete = read.Complete;
  list.Unread = std::move(read.Unread);
}

std::wstring LinksText(const std::vector<Link>& links) {
  std::wstring text;
  for (const Link& link : links) {
    text += link.Title;
    text += L',';
    text += link.URL;
    text += L"\r\n";
  }
  return text;
}

}  // namespace vantor
