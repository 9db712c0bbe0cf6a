#include "bench/win/IconWriteBench.h"

#include <string>
#include <utility>
#include <vector>

#include "bench/win/Timing.h"
#include "common/core/IcoFile.h"
#include "common/core/IconComposer.h"
#include "common/win/Handle.h"
#include "station/win/WinIconFile.h"
#include "tests/support/Harness.h"

namespace vantor::bench {
namespace {

// The runs of the hex-run layout: the header, each pixel's three bytes, the mask.
std::vector<std::pair<std::size_t, std::size_t>> HexRuns() {
  std::vector<std::pair<std::size_t, std::size_t>> runs{{0, kIcoHeaderSize}};
  for (std::size_t offset = kIcoHeaderSize; offset < kIcoMaskOffset; offset += 3) runs.push_back({offset, 3});
  runs.push_back({kIcoMaskOffset, kIcoMaskSize});
  return runs;
}

// The other way, kept only to measure ours against: one open-write-close cycle per run.
bool WriteInRuns(const std::wstring& path, const IcoBytes& bytes,
                 const std::vector<std::pair<std::size_t, std::size_t>>& runs) {
  for (const auto& [offset, size] : runs) {
    OwnedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD written = 0;
    if (!::SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN) ||
        !::WriteFile(file.Get(), bytes.data() + offset, static_cast<DWORD>(size), &written, nullptr) ||
        written != size) {
      return false;
    }
  }
  return true;
}

bool Holds(const std::wstring& path, const IcoBytes& bytes) {
  return test::ReadBytes(path) == std::string(bytes.begin(), bytes.end());
}

}  // namespace

IconWriteFigures RunIconWriteBench() {
  IconWriteFigures figures;
  test::TempFolder folder(L"bench-ico");
  const std::wstring single = folder / L"temp.ico";
  const std::wstring inRuns = folder / L"runs.ico";
  const IcoBytes bytes = EncodeIco(ComposeIcon(MainSettings{}, 37, nullptr, false));
  const auto runs = HexRuns();
  figures.runs = static_cast<int>(runs.size());

  WinIconFile iconFile;
  bool ok = true;
  const std::vector<double> us =
      SideBySide({[&] { ok = iconFile.WriteIconFile(single, bytes) && ok; }, [&] { ok = WriteInRuns(inRuns, bytes, runs) && ok; }});
  figures.singleUs = us[0];
  figures.runsUs = us[1];
  figures.sameBytes = ok && Holds(single, bytes) && Holds(inRuns, bytes);
  return figures;
}

}  // namespace vantor::bench
