// The record page: the chart of the last 30 units, the table per task (both also as their
// window texts, for screen readers), the count of lines that could not be read, and the button
// that opens history.csv with the shell's program for CSV files. Both pictures are drawn with
// GDI in the window's own DPI, from its font's size, in the system's colours where they are not
// a task's colour.
#pragma once

#include "common/win/Windows.h"

#include <string>

#include "preference/core/HistoryPage.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class HistoryView : public PageView {
 public:
  explicit HistoryView(const std::wstring& folder) : folder_(folder) {}

  // Takes the page's texts and reads the file for the first time.
  void Attach(HWND page) override;
  void Show() override { Read(); }

  bool OnCommand(int control, int notification) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  // Reads history.csv again and redraws the page.
  void Read();
  void Describe();
  void DrawChart(HDC dc, const RECT& rect) const;
  void DrawSummary(HDC dc, const RECT& rect) const;
  void OpenFile();
  std::wstring Path() const;

  const std::wstring& folder_;
  HWND page_ = nullptr;
  HistoryPageData data_;
};

}  // namespace vantor::preference
