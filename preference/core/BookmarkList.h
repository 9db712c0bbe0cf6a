// The bookmark page's list: the bookmarks in menu order, the selected one, and the edits the
// page offers. The two list boxes are drawn from it, so they never leave its order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/core/Links.h"

namespace vantor::preference {

// Why a title and URL cannot become a bookmark.
enum class LinkProblem { None, Empty, Comma };
LinkProblem CheckLink(const std::wstring& title, const std::wstring& url);

class BookmarkList {
 public:
  explicit BookmarkList(std::vector<Link> links = {}) : links_(std::move(links)) {}

  const std::vector<Link>& Links() const { return links_; }
  std::optional<std::size_t> Selected() const { return selected_; }
  // The line links.lst holds for entry `index`: "title,URL".
  std::wstring Line(std::size_t index) const;

  // Selects an entry; a position past the end selects nothing.
  void Select(std::optional<std::size_t> position);
  // Exchange the selected entry with its neighbour and follow it; false when nothing moved
  // (no selection, or no neighbour on that side).
  bool MoveUp();
  bool MoveDown();
  // Removes the selected entry; nothing stays selected. False without a selection.
  bool Delete();
  // Replaces the selected entry; false without a selection. The caller checks the texts.
  bool Change(const std::wstring& title, const std::wstring& url);
  // Appends an entry; the selection stays.
  void Add(const std::wstring& title, const std::wstring& url) { links_.push_back({title, url}); }

 private:
  std::vector<Link> links_;
  std::optional<std::size_t> selected_;
};

}  // namespace vantor::preference
