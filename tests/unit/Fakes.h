// In-memory stand-ins for the station's own ports, and every fake a station needs.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "station/core/Station.h"
#include "tests/unit/CommonFakes.h"

namespace vantor::test {

// The calls of the ports that a capture uses, one line of text each, in the order they came
// ("show 7 hide", "sleep 100", "down", "now").
struct CallLog {
  void Log(const std::wstring& line) {
    calls.push_back(line + (outside && outside() ? L" (outside)" : L""));
  }
  static std::wstring Point(ScreenPoint p) { return std::to_wstring(p.x) + L"," + std::to_wstring(p.y); }

  std::vector<std::wstring> calls;
  std::function<bool()> outside;  // when set, calls made while it says so are marked
};

// A window tree: each window has a process, a control id, a client width and children in
// Z order. Handle 1 is the desktop.
class FakeWindows : public WindowPort {
 public:
  struct Window {
    WindowHandle parent = 0;
    std::uint32_t process = 0;
    int id = 0;
    int width = 0;
    std::wstring className, title;
    std::vector<WindowHandle> children;
  };

  FakeWindows() { windows[kDesktop] = Window{}; }

  WindowHandle Add(WindowHandle parent, std::uint32_t process, int id = 0, int width = 0,
                   std::wstring className = L"", std::wstring title = L"") {
    const WindowHandle h = next++;
    windows[h] = Window{parent, process, id, width, std::move(className), std::move(title), {}};
    windows[parent].children.push_back(h);
    return h;
  }
  // An agent form: control 9 holding control 10 of `width` pixels.
  WindowHandle AddAgentForm(WindowHandle parent, std::uint32_t process, int width) {
    const WindowHandle form = Add(parent, process, 0, 0, L"ThunderRT6formDC", L"");
    const WindowHandle frame = Add(form, process, 9);
    Add(frame, process, 10, width);
    return form;
  }
  void Remove(WindowHandle h) {
    auto& siblings = windows[windows[h].parent].children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    windows.erase(h);
  }

  WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override {
    for (WindowHandle h : windows[kDesktop].children) {
      const Window& w = windows[h];
      if (Lower(w.className) == Lower(className) && w.title == title) return h;
    }
    return 0;
  }
  WindowHandle DesktopWindow() override { return kDesktop; }
  WindowHandle GetWindow(WindowHandle h, WindowRelation relation) override {
    ++getWindowCalls;
    auto it = windows.find(h);
    if (it == windows.end()) return 0;
    if (relation == WindowRelation::Child) return it->second.children.empty() ? 0 : it->second.children.front();
    if (h == kDesktop) return 0;
    const auto& siblings = windows[it->second.parent].children;
    auto pos = std::find(siblings.begin(), siblings.end(), h);
    return (pos == siblings.end() || pos + 1 == siblings.end()) ? 0 : *(pos + 1);
  }
  WindowHandle GetDlgItem(WindowHandle h, int id) override {
    auto it = windows.find(h);
    if (h == 0 || it == windows.end()) return 0;
    for (WindowHandle c : it->second.children) {
      if (windows[c].id == id) return c;
    }
    return 0;
  }
  int ClientWidth(WindowHandle h) override {
    auto it = windows.find(h);
    return (h == 0 || it == windows.end()) ? 0 : it->second.width * (InOtherSpace() ? 100 : scale) / 100;
  }
  // A display scaled to `scale` percent: sizes come stretched to a caller that is not in the
  // space of another program's window.
  std::intptr_t EnterSpaceOf(WindowHandle h) override {
    spaces.push_back(h);
    return static_cast<std::intptr_t>(spaces.size() - 1);
  }
  void LeaveSpace(std::intptr_t previous) override { spaces.resize(static_cast<std::size_t>(previous)); }
  bool InOtherSpace() const { return !spaces.empty() && spaces.back() != 0; }
  std::uint32_t WindowProcessId(WindowHandle h) override {
    auto it = windows.find(h);
    return it == windows.end() ? 0 : it->second.process;
  }
  void ShowWindow(WindowHandle w, ShowCommand c) override {
    const wchar_t* names[] = {L"hide", L"normal", L"minimize"};
    Log(L"show " + std::to_wstring(w) + L" " + names[static_cast<int>(c)]);
  }
  void SetWindowPos(WindowHandle w, bool topmost, ScreenPoint at) override {
    Log(L"pos " + std::to_wstring(w) + (topmost ? L" topmost " : L" notopmost ") + CallLog::Point(at));
  }
  void SizeWindow(WindowHandle w, int width, int height) override {
    Log(L"size " + std::to_wstring(w) + L" " + std::to_wstring(width) + L"x" + std::to_wstring(height));
  }
  bool Answers(WindowHandle w) override { return w != hung; }
  void Log(const std::wstring& line) {
    if (log) log->Log(line);
  }

  static constexpr WindowHandle kDesktop = 1;
  std::map<WindowHandle, Window> windows;
  WindowHandle next = 100;
  int getWindowCalls = 0;
  int scale = 100;
  std::vector<WindowHandle> spaces;
  WindowHandle hung = 0;  // a window whose thread does not answer
  CallLog* log = nullptr;
};

class FakeHost : public StationHost {
 public:
  void ShowError(const std::wstring& text) override {
    errors.push_back(text);
    if (onError) onError();
  }
  void EnableTimer(StationTimer timer, bool enabled) override { timers[timer] = enabled; }
  void SetTimerInterval(StationTimer timer, std::int32_t ms) override { intervals[timer] = ms; }
  std::int16_t GetOSKind() override { return osKind; }
  void Quit() override { quit = true; }
  void ShowPopupMenu(bool fromTray) override {
    menus.push_back(fromTray);
    if (auto inside = std::exchange(onMenu, nullptr)) inside();
  }
  void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
  void Sleep(int ms) override {
    if (log) log->Log(L"sleep " + std::to_wstring(ms));
  }
  void PumpPending() override {
    if (log) log->Log(L"events");
    if (onEvents) onEvents();
  }
  bool ShellOpen(const std::wstring& file) override {
    opened.push_back(file);
    return shellOpens;
  }
  void ShowStopMessage(const std::wstring& text) override { stopMessages.push_back(text); }

  std::vector<std::wstring> errors;
  std::function<void()> onError;
  std::map<StationTimer, bool> timers;
  std::map<StationTimer, std::int32_t> intervals;
  std::int16_t osKind = 2;
  bool quit = false;
  std::vector<bool> menus;
  std::function<void()> onMenu;  // runs once inside the next open menu
  std::vector<std::wstring> messages;
  std::vector<std::wstring> opened, stopMessages;
  bool shellOpens = true;
  CallLog* log = nullptr;
  std::function<void()> onEvents;
};

// The icon window: its place, its face and its tooltip as last set.
class FakeIconWindow : public IconWindowPort {
 public:
  void SetWindowTop(int mode) override { topMode = mode; }
  void SizeAndHide() override { visible = false; sized = true; }
  void MoveWindowTo(std::int32_t l, std::int32_t t) override { left = l; top = t; }
  void ShowWindow(bool v) override { visible = v; }
  std::int32_t WindowLeft() override { return left; }
  std::int32_t WindowTop() override { return top; }
  std::int32_t WindowWidth() override { return 16; }
  std::int32_t WindowHeight() override { return 16; }
  int ScreenDpi() override { return dpi; }
  std::vector<MonitorArea> Monitors() override { return monitors; }
  int FaceSize() override { return faceSize; }
  void ShowCanvas(const Canvas& c) override { canvas = c; }
  void SetIconWindowTip(const std::wstring& text) override { windowTip = text; }
  void DragWindow() override {
    ++drags;
    left += dragBy;
  }

  int topMode = -1;
  bool visible = false, sized = false;
  std::int32_t left = 0, top = 0;
  int dpi = 96, faceSize = kIconSize;
  std::vector<MonitorArea> monitors;
  Canvas canvas;
  std::wstring windowTip;
  int drags = 0, dragBy = 0;
};

// The notification area as a list of calls, and the icon last published.
class FakeTray : public TrayPort {
 public:
  int IconSize() override { return iconSize; }
  bool PublishIcon(const Canvas& face) override {
    published = face;
    return true;
  }
  bool NotifyIcon(NotifyMode mode, const NotifyRecord& record) override {
    calls.push_back({mode, record});
    return true;
  }
  // The calls of one mode, in order.
  std::vector<NotifyRecord> Calls(NotifyMode mode) const {
    std::vector<NotifyRecord> out;
    for (const auto& [m, r] : calls) {
      if (m == mode) out.push_back(r);
    }
    return out;
  }

  int iconSize = kIconSize;
  std::optional<Canvas> published;
  std::vector<std::pair<NotifyMode, NotifyRecord>> calls;
};

// Icon files as bytes in memory.
class FakeIconFile : public IconFilePort {
 public:
  bool WriteIconFile(const std::wstring& path, const IcoBytes& bytes) override {
    if (!writable) return false;
    auto& file = files[path];
    if (file.size() < bytes.size()) file.resize(bytes.size());
    std::copy(bytes.begin(), bytes.end(), file.begin());
    return true;
  }
  bool writable = true;
  std::map<std::wstring, std::vector<std::uint8_t>> files;
};

class FakePictures : public PicturePort {
 public:
  std::optional<Picture> LoadPicture(const std::wstring& path) override {
    if (path == throwingPicture) throw std::runtime_error("picture too large");
    auto it = pictures.find(path);
    if (it == pictures.end()) return std::nullopt;
    return it->second;
  }
  std::map<std::wstring, Picture> pictures;
  std::wstring throwingPicture;
};

class FakeInput : public InputPort {
 public:
  explicit FakeInput(CallLog& log) : log_(log) {}
  ScreenPoint GetCursorPos() override {
    log_.Log(L"getcursor");
    return cursor;
  }
  void SetCursorPos(ScreenPoint p) override {
    log_.Log(L"cursor " + CallLog::Point(p));
    cursor = p;
  }
  void MouseEvent(MouseAction a) override { log_.Log(a == MouseAction::LeftDown ? L"down" : L"up"); }
  ScreenPoint cursor{300, 200};

 private:
  CallLog& log_;
};

class FakeScreenCopy : public ScreenCopyPort {
 public:
  explicit FakeScreenCopy(CallLog& log) : log_(log) {}
  std::optional<ScreenRect> WindowPixels(WindowHandle) override { return windowPixels; }
  ScreenResolution Resolution() override { return resolution; }
  void CopyScreen(const ScreenRect& a) override {
    log_.Log(L"copy " + CallLog::Point({a.left, a.top}) + L" " + std::to_wstring(a.Width()) + L"x" +
             std::to_wstring(a.Height()));
  }
  bool SavePicture(const std::wstring& path) override {
    log_.Log(L"save " + path);
    saved.push_back(path);
    return savable;
  }
  void ClearPicture() override { log_.Log(L"clear"); }

  std::vector<std::wstring> saved;
  std::optional<ScreenRect> windowPixels;  // none: a system whose threads keep the process's awareness
  ScreenResolution resolution;
  bool savable = true;

 private:
  CallLog& log_;
};

// A clock moved by hand: `now` in seconds since the system started, `local` the local time.
class FakeClock : public ClockPort {
 public:
  explicit FakeClock(CallLog& log) : log_(log) {}
  LocalTime LocalNow() override {
    log_.Log(L"now");
    return local;
  }
  std::uint64_t UnbiasedTime() override { return static_cast<std::uint64_t>(now) * kClockSecond; }
  std::wstring DateTimeText(FileStamp stamp) override { return L"T" + std::to_wstring(stamp); }
  std::int64_t now = 1000;
  LocalTime local{2004, 3, 7, 9, 5, 3};

 private:
  CallLog& log_;
};

// Files by path that take rows while `result` says so.
class FakeHistoryFile : public HistoryFilePort {
 public:
  AppendResult Append(const std::wstring& path, const std::string& header, const std::string& row) override {
    if (result == AppendResult::Written) files[path] += (files[path].empty() ? header : "") + row;
    return result;
  }
  std::optional<std::string> ReadAll(const std::wstring& path) override {
    return files.count(path) ? std::optional(files[path]) : std::nullopt;
  }
  bool Replace(const std::wstring& path, const std::string& bytes) override { return files[path] = bytes, true; }
  bool Delete(const std::wstring& path) override { return files.erase(path), true; }
  AppendResult result = AppendResult::Written;
  std::map<std::wstring, std::string> files;
};

inline const TimeLeftTexts kTimeLeftTexts = {L"残り時間：計算中", L"残り時間：約%1分", L"残り時間：約%1時間%2分",
                                             L"残り時間：約%1日%2時間", L"残り時間：不明（%1分進んでいません）"};

// Every fake a station needs, for fixtures to inherit.
struct StationFakes {
  StationFakes() { windows.log = host.log = &log; }
  StationFakes(const StationFakes&) = delete;
  StationFakes& operator=(const StationFakes&) = delete;

  StationPorts Ports(const std::wstring& folder) {
    return StationPorts{windows, input, screen, clock, tray, iconFile, pictures, files, profile, host, iconWindow,
                        processes, sound, links, priorities, folder, L"unwritable " + folder, &history,
                        UnitLogTexts{kTimeLeftTexts, RecordTexts{L"not written %1: %2", L"read-only", L"denied",
                                                                 L"disk full", L"other", L"dropped %1"}}};
  }

  CallLog log;
  FakeWindows windows;
  FakeInput input{log};
  FakeScreenCopy screen{log};
  FakeClock clock{log};
  FakeTray tray;
  FakeIconFile iconFile;
  FakePictures pictures;
  FakeFiles files;
  FakeProfile profile;
  FakeHost host;
  FakeIconWindow iconWindow;
  FakeProcesses processes;
  FakeSound sound;
  FakeLinkFiles links;
  FakePriorities priorities;
  FakeHistoryFile history;
};

}  // namespace vantor::test
