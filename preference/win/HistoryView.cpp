#include "preference/win/HistoryView.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "common/win/Handle.h"
#include "common/win/ShellOpen.h"
#include "preference/win/Ui.h"
#include "preference/win/WinHistoryFile.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

// The device context as it was given, for as long as this lives: its colours, background mode
// and chosen objects are the control's owner's again when drawing ends.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// The tasks' colours, in the order the tasks first appear; the rest is the system's.
constexpr COLORREF kTaskColours[] = {RGB(52, 120, 200), RGB(230, 126, 34), RGB(46, 160, 70),
                                     RGB(170, 60, 180), RGB(200, 50, 50),  RGB(120, 120, 30)};

COLORREF TaskColour(int task) {
  return kTaskColours[static_cast<std::size_t>(task) % std::size(kTaskColours)];
}

COLORREF Darker(COLORREF colour) {
  return RGB(GetRValue(colour) * 3 / 5, GetGValue(colour) * 3 / 5, GetBValue(colour) * 3 / 5);
}

// A colour halfway to the window's background: the bars of units seen only in part.
COLORREF Lighter(COLORREF colour) {
  const COLORREF back = ::GetSysColor(COLOR_WINDOW);
  return RGB((GetRValue(colour) + GetRValue(back)) / 2, (GetGValue(colour) + GetGValue(back)) / 2,
             (GetBValue(colour) + GetBValue(back)) / 2);
}

int LineHeight(HDC dc) {
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(dc, &metrics);
  return std::max<int>(metrics.tmHeight, 1);
}

int TextWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void Text(HDC dc, const std::wstring& text, RECT rect, UINT format) {
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
}

// Hours as the axis shows them: 2, 0.5, 0.25.
std::wstring HoursText(std::int64_t seconds) {
  wchar_t text[32];
  std::swprintf(text, std::size(text), L"%.2f", static_cast<double>(seconds) / 3600.0);
  std::wstring hours = text;
  hours.erase(hours.find_last_not_of(L'0') + 1);
  if (hours.back() == L'.') hours.pop_back();
  return hours;
}

// A length as the table shows it: "40分", "5時間40分".
std::wstring LengthText(std::int64_t seconds) {
  const std::int64_t minutes = (seconds + 30) / 60;
  if (minutes < 60) return Filled(LoadText(IDS_HistoryMinutes), {std::to_wstring(minutes)});
  return Filled(LoadText(IDS_HistoryHoursMinutes), {std::to_wstring(minutes / 60), std::to_wstring(minutes % 60)});
}

// A moment as the page's texts name it: "2026/12/9 15:37".
std::wstring MomentText(const LocalTime& t) {
  wchar_t text[40];
  std::swprintf(text, std::size(text), L"%d/%d/%d %d:%02d", t.year, t.month, t.day, t.hour, t.minute);
  return text;
}

void FillWith(HDC dc, const RECT& rect, COLORREF colour) {
  const OwnedGdi brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &rect, static_cast<HBRUSH>(brush.Get()));
}

}  // namespace

std::wstring HistoryView::Path() const { return folder_ + kHistoryCsv; }

void HistoryView::Attach(HWND page) {
  page_ = page;
  SetControlText(::GetDlgItem(page_, IDC_PageFrame10), LoadText(IDS_HistoryFrame));
  SetControlText(::GetDlgItem(page_, IDC_cmdHistoryOpen), LoadText(IDS_HistoryOpen));
  Read();
}

void HistoryView::Read() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  WinHistoryFile file;
  data_ = ReadHistoryPage(file, Path(), {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
  const std::wstring unreadable = Filled(LoadText(IDS_HistoryUnreadable), {std::to_wstring(data_.unreadable)});
  SetControlText(::GetDlgItem(page_, IDC_labHistoryUnreadable), data_.unreadable > 0 ? unreadable : L"");
  Describe();
  ::InvalidateRect(::GetDlgItem(page_, IDC_picHistoryChart), nullptr, FALSE);
  ::InvalidateRect(::GetDlgItem(page_, IDC_picHistorySummary), nullptr, FALSE);
}

// What the two pictures show, as their window texts: a screen reader reads these, while the
// owner-drawn controls never paint them.
void HistoryView::Describe() {
  std::wstring chart = LoadText(data_.file == FileState::Unreadable ? IDS_HistoryHeld : IDS_HistoryEmpty);
  if (!data_.units.empty()) {
    std::int64_t longest = 0;
    int notFinished = 0, part = 0;
    for (const HistoryRow& unit : data_.units) {
      longest = std::max(longest, unit.seconds);
      notFinished += unit.end != UnitEnd::Finished ? 1 : 0;
      part += SeenWhole(unit) ? 0 : 1;
    }
    chart = Filled(LoadText(IDS_HistoryChartText),
                   {std::to_wstring(data_.units.size()), MomentText(data_.units.front().started),
                    MomentText(data_.units.back().ended), LengthText(longest), std::to_wstring(notFinished),
                    std::to_wstring(part)});
  }
  SetControlText(::GetDlgItem(page_, IDC_picHistoryChart), chart);
  std::wstring table;
  for (const TaskSummary& task : data_.tasks) {
    table += (table.empty() ? L"" : L"\r\n") +
             Filled(LoadText(IDS_HistoryTaskText),
                    {task.task, std::to_wstring(task.finishedWeek), std::to_wstring(task.finishedMonth),
                     std::to_wstring(task.partMonth),
                     task.medianSeconds ? LengthText(*task.medianSeconds) : LoadText(IDS_HistoryNoMedian)});
  }
  SetControlText(::GetDlgItem(page_, IDC_picHistorySummary), table);
}

bool HistoryView::OnCommand(int control, int notification) {
  if (control != IDC_cmdHistoryOpen) return control == IDC_picHistoryChart || control == IDC_picHistorySummary;
  if (notification == BN_CLICKED) OpenFile();
  return true;
}

void HistoryView::OpenFile() {
  HWND owner = ::GetAncestor(page_, GA_ROOT);
  if (::GetFileAttributesW(Path().c_str()) == INVALID_FILE_ATTRIBUTES) {
    ShowMessage(owner, LoadText(IDS_HistoryNone), MB_ICONINFORMATION);
    return;
  }
  if (!ShellOpen(owner, Path())) ShowMessage(owner, LoadText(IDS_ShellError), MB_ICONERROR);
}

bool HistoryView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_picHistoryChart && item.CtlID != IDC_picHistorySummary) return false;
  const SavedDc saved(item.hDC);
  const Selected font(item.hDC, reinterpret_cast<HGDIOBJ>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  ::SetBkMode(item.hDC, TRANSPARENT);
  if (item.CtlID == IDC_picHistoryChart) {
    DrawChart(item.hDC, item.rcItem);
  } else {
    DrawSummary(item.hDC, item.rcItem);
  }
  return true;
}

void HistoryView::DrawChart(HDC dc, const RECT& rect) const {
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_WINDOW));
  ::FrameRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  if (data_.units.empty()) {
    Text(dc, LoadText(data_.file == FileState::Unreadable ? IDS_HistoryHeld : IDS_HistoryEmpty), rect,
         DT_CENTER | DT_VCENTER);
    return;
  }
  const int line = LineHeight(dc), pad = line / 2;
  std::int64_t longest = 0;
  for (const HistoryRow& unit : data_.units) longest = std::max(longest, unit.seconds);
  for (const TaskSummary& task : data_.tasks) longest = std::max(longest, task.medianSeconds.value_or(0));
  const std::int64_t step = AxisStep(longest);
  const std::int64_t top = std::max(step, (longest + step - 1) / step * step);
  int labelWidth = TextWidth(dc, LoadText(IDS_HistoryHours));
  for (std::int64_t v = 0; v <= top; v += step) labelWidth = std::max(labelWidth, TextWidth(dc, HoursText(v)));
  const RECT plot{rect.left + pad + labelWidth + pad, rect.top + pad + line + pad, rect.right - pad,
                  rect.bottom - pad - line / 2};
  const int height = std::max<int>(plot.bottom - plot.top, 1);
  const auto yOf = [&](std::int64_t seconds) {
    return plot.bottom - static_cast<int>(seconds * height / top);
  };

  // The time axis in hours, with a grid line at each step.
  Text(dc, LoadText(IDS_HistoryHours), {rect.left + pad, rect.top + pad, plot.left, rect.top + pad + line}, DT_LEFT);
  Text(dc, LoadText(IDS_HistoryNotFinished), {plot.left, rect.top + pad, plot.right, rect.top + pad + line}, DT_RIGHT);
  for (std::int64_t v = 0; v <= top; v += step) {
    const int y = yOf(v);
    if (v > 0) FillWith(dc, {plot.left, y, plot.right, y + 1}, ::GetSysColor(COLOR_BTNFACE));
    Text(dc, HoursText(v), {rect.left, y - line / 2, plot.left - pad / 2, y - line / 2 + line}, DT_RIGHT);
  }

  // One bar per unit, the newest at the right; a unit seen only in part is lighter, and one that
  // did not finish is hatched.
  const double slot = static_cast<double>(plot.right - plot.left) / static_cast<double>(kChartUnits);
  const std::size_t first = kChartUnits - data_.units.size();
  ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
  for (std::size_t i = 0; i < data_.units.size(); ++i) {
    const HistoryRow& unit = data_.units[i];
    const double at = plot.left + static_cast<double>(first + i) * slot;
    RECT bar{static_cast<int>(at + slot * 0.15), std::min(yOf(unit.seconds), plot.bottom - 1),
             static_cast<int>(at + slot * 0.85), plot.bottom};
    bar.right = std::max(bar.right, bar.left + 1);
    const COLORREF colour =
        SeenWhole(unit) ? TaskColour(data_.taskOfUnit[i]) : Lighter(TaskColour(data_.taskOfUnit[i]));
    if (unit.end == UnitEnd::Finished) {
      FillWith(dc, bar, colour);
    } else {
      ::SetBkMode(dc, OPAQUE);
      const OwnedGdi hatch(::CreateHatchBrush(HS_BDIAGONAL, colour));
      ::FillRect(dc, &bar, static_cast<HBRUSH>(hatch.Get()));
      ::SetBkMode(dc, TRANSPARENT);
      const OwnedGdi frame(::CreateSolidBrush(colour));
      ::FrameRect(dc, &bar, static_cast<HBRUSH>(frame.Get()));
    }
  }

  // The median of each task as a dashed line across, darker than its bars.
  const int width = std::max(1, line / 8);
  for (std::size_t t = 0; t < data_.tasks.size(); ++t) {
    if (!data_.tasks[t].medianSeconds) continue;
    const LOGBRUSH brush{BS_SOLID, Darker(TaskColour(static_cast<int>(t))), 0};
    const OwnedGdi pen(::ExtCreatePen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, static_cast<DWORD>(width), &brush, 0,
                                      nullptr));
    const Selected chosen(dc, pen.Get());
    const int y = yOf(*data_.tasks[t].medianSeconds);
    ::MoveToEx(dc, plot.left, y, nullptr);
    ::LineTo(dc, plot.right, y);
  }
  FillWith(dc, {plot.left, plot.top, plot.left + 1, plot.bottom + 1}, ::GetSysColor(COLOR_WINDOWTEXT));
  FillWith(dc, {plot.left, plot.bottom, plot.right, plot.bottom + 1}, ::GetSysColor(COLOR_WINDOWTEXT));
}

void HistoryView::DrawSummary(HDC dc, const RECT& rect) const {
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  const int line = LineHeight(dc), row = line + line / 4, pad = line / 2;
  // Task, the three counts and the median; each number column is as wide as its heading, the
  // numbers end at its right edge, and the task takes the rest.
  const std::wstring headings[] = {LoadText(IDS_HistoryTask), LoadText(IDS_HistoryWeek), LoadText(IDS_HistoryMonth),
                                   LoadText(IDS_HistoryPart), LoadText(IDS_HistoryMedian)};
  constexpr int kColumns = 5;
  int edges[kColumns + 1] = {rect.left};
  edges[kColumns] = rect.right;
  for (int c = kColumns - 1; c > 0; --c) edges[c] = edges[c + 1] - TextWidth(dc, headings[c]) - pad;
  const auto cells = [&](int y, const std::wstring (&texts)[kColumns], int indent) {
    Text(dc, texts[0], {edges[0] + indent, y, edges[1] - pad, y + row}, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
    for (int c = 1; c < kColumns; ++c) {
      Text(dc, texts[c], {edges[c], y, edges[c + 1] - pad, y + row}, DT_RIGHT | DT_VCENTER);
    }
  };
  cells(rect.top, headings, 0);
  FillWith(dc, {rect.left, rect.top + row, rect.right, rect.top + row + 1}, ::GetSysColor(COLOR_BTNSHADOW));
  const int swatch = line * 2 / 3;
  int y = rect.top + row + 2;
  for (std::size_t t = 0; t < data_.tasks.size() && y + row <= rect.bottom; ++t, y += row) {
    const TaskSummary& task = data_.tasks[t];
    const RECT box{rect.left, y + (row - swatch) / 2, rect.left + swatch, y + (row - swatch) / 2 + swatch};
    FillWith(dc, box, TaskColour(static_cast<int>(t)));
    cells(y, {task.task, std::to_wstring(task.finishedWeek), std::to_wstring(task.finishedMonth),
              std::to_wstring(task.partMonth), task.medianSeconds ? LengthText(*task.medianSeconds) : L"－"},
          swatch + pad);
  }
}

}  // namespace vantor::preference
