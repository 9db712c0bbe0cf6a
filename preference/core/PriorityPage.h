// What the priority page shows when the window loads: the agent's task name and the state
// kept in priority.ini.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "common/core/IniFile.h"
#include "common/core/Ports.h"
#include "common/core/ProcessList.h"
#include "common/core/ProcessPort.h"

namespace vantor::preference {

// Shown when no science task runs.
inline constexpr wchar_t kDefaultAgentTask[] = L"ud_ligfit_Release.exe";

// The text of the agent's task name box: the running science task found by the method of
// `osKind`; for kind 0 the box keeps `current`; an empty result gives the default name.
std::wstring AgentTaskNameText(std::int16_t osKind, const std::wstring& current, ProcessPort& processes,
                               const MessageSink& showMessage);

// The part of `path` after its last backslash; the whole text when it has none.
std::wstring FileNameOfPath(const std::wstring& path);

// The positions of the two priority lists: 0 high, 1 normal, 2 low.
inline constexpr int kPriorityLow = 2;

struct PriorityFileState {
  bool udaChange = false;
  std::optional<int> udaPosition;  // none when the stored level is not 0 to 2
  bool exeChange = false;
  std::optional<int> exePosition;
};

// The state of priority.ini, or nothing when the file does not exist. The flags are on
// exactly for "1"; a level is the text's leading number.
std::optional<PriorityFileState> ReadPriorityFile(const IniFile& ini, FilePort& files);

// The priority page's state and its writes. While fixing is on (the push button pressed,
// priority.ini present) every change of a choice is written at once; otherwise nothing is.
class PriorityPage {
 public:
  PriorityPage(IniFile& ini, FilePort& files) : ini_(ini), files_(files) {}

  // A click on a program's box: a box without a program name cannot stay ticked. Returns
  // the tick the box keeps.
  bool CheckUda(bool ticked, const std::wstring& name);
  bool CheckExe(bool ticked, const std::wstring& name);
  // A new selection of a level list (0 high, 1 normal, 2 low).
  void SelectUda(int position);
  void SelectExe(int position);
  // The update interval in seconds: into the settings, and into Vantor.ini at once while
  // fixing is on (a failing write is told once until a write succeeds).
  void Frequency(int seconds, std::int16_t& setting);
  // The push button: pressed writes the four keys, released deletes the file. Returns the
  // state the button shows, which is the file's: a press whose writes failed is released
  // unless the file is there all the same, and a release whose delete failed stays pressed.
  bool Fix(bool pressed);
  bool Fixed() const { return fixed_; }

  // The file that a write of the page could not make since the last call, if any (priority.ini,
  // or Vantor.ini for the interval); the caller tells the user.
  enum class WriteFailure { None, PriorityIni, VantorIni };
  WriteFailure TakeWriteFailure() { return std::exchange(failure_, WriteFailure::None); }

  // The window load with an existing file: the choices are taken from it and fixing is
  // switched on, which rewrites the file from the page. A stored level that no list entry
  // shows is not rewritten (the file keeps it) until the user chooses a level. Returns
  // the state the page's controls show.
  struct Shown {
    bool udaTicked, exeTicked;
    int udaPosition, exePosition;
  };
  Shown Load(const PriorityFileState& file, const std::wstring& udaName, const std::wstring& exeName);

 private:
  bool Write(const wchar_t* key, const std::wstring& value) {
    const bool written = ini_.SetPriorityValue(L"priority", key, value);
    if (!written) failure_ = WriteFailure::PriorityIni;
    return written;
  }

  IniFile& ini_;
  FilePort& files_;
  bool udaTicked_ = false, exeTicked_ = false, fixed_ = false;
  int udaPosition_ = kPriorityLow, exePosition_ = kPriorityLow;
  bool keepUdaLevel_ = false, keepExeLevel_ = false;  // the file's level is not the list's
  WriteFailure failure_ = WriteFailure::None;
  bool frequencyFailing_ = false;
};

}  // namespace vantor::preference
