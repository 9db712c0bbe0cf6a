#include "preference/core/BookmarkList.h"

#include <utility>

namespace vantor::preference {

LinkProblem CheckLink(const std::wstring& title, const std::wstring& url) {
  if (title.empty() || url.empty()) return LinkProblem::Empty;
  if (title.find(L',') != std::wstring::npos || url.find(L',') != std::wstring::npos) return LinkProblem::Comma;
  return LinkProblem::None;
}

std::wstring BookmarkList::Line(std::size_t index) const {
  const Link& link = links_.at(index);
  return link.Title + L"," + link.URL;
}

void BookmarkList::Select(std::optional<std::size_t> position) {
  selected_ = position && *position < links_.size() ? position : std::nullopt;
}

bool BookmarkList::MoveUp() {
  if (!selected_ || *selected_ == 0) return false;
  std::swap(links_[*selected_], links_[*selected_ - 1]);
  --*selected_;
  return true;
}

bool BookmarkList::MoveDown() {
  if (!selected_ || *selected_ + 1 >= links_.size()) return false;
  std::swap(links_[*selected_], links_[*selected_ + 1]);
  ++*selected_;
  return true;
}

bool BookmarkList::Delete() {
  if (!selected_) return false;
  links_.erase(links_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  selected_.reset();
  return true;
}

bool BookmarkList::Change(const std::wstring& title, const std::wstring& url) {
  if (!selected_) return false;
  links_[*selected_] = {title, url};
  return true;
}

}  // namespace vantor::preference
