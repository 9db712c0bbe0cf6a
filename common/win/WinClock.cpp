#include "common/win/WinClock.h"

#include "common/win/Windows.h"

namespace vantor {

LocalTime WinClock::LocalNow() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::uint64_t WinClock::UnbiasedTime() {
  ULONGLONG time = 0;
  ::QueryUnbiasedInterruptTime(&time);
  return time;
}

std::wstring WinClock::DateTimeText(FileStamp stamp) {
  // The general format: short date and long time; the date part of the zero time is left out.
  SYSTEMTIME st{};
  if (stamp > 0) {
    ULARGE_INTEGER ticks{};
    ticks.QuadPart = static_cast<ULONGLONG>(stamp) * 10000000ULL;
    FILETIME ft{ticks.LowPart, ticks.HighPart};
    ::FileTimeToSystemTime(&ft, &st);
  }
  wchar_t date[80] = L"", time[80] = L"";
  ::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 80);
  if (stamp <= 0) return time;
  ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 80);
  if (st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0) return date;
  return std::wstring(date) + L" " + time;
}

}  // namespace vantor
