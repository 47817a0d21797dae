// The Windows console and the C runtime's descriptors: the only code of the
// programs beyond the standard library on Windows.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

#include "common/platform.h"

namespace common {

namespace {

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// Read before `main`: ringscore reopens standard input onto its case files,
// and after that the handle no longer tells what the process was started with.
const bool kInputWasConsole = isConsole(GetStdHandle(STD_INPUT_HANDLE));

// Explorer starts a program in a console of its own; a shell shares its own.
bool aloneInConsole() {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

bool isEnter(const INPUT_RECORD& record) {
  if (record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown) return false;
  return record.Event.KeyEvent.wVirtualKeyCode == VK_RETURN ||
         record.Event.KeyEvent.uChar.UnicodeChar == L'\r';
}

// Waits for an Enter key press on the console, or until the time is up.
void waitForEnter(DWORD milliseconds) {
  // Standard input may have been reopened onto a file; the console itself
  // is still there under this name.
  const HANDLE input =
      CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE) return;
  FlushConsoleInputBuffer(input);  // keys pressed during the run do not count
  const ULONGLONG deadline = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
    if (WaitForSingleObject(input, static_cast<DWORD>(deadline - now)) != WAIT_OBJECT_0) break;
    INPUT_RECORD records[16];
    DWORD count = 0;
    if (!ReadConsoleInputW(input, records, 16, &count)) break;
    bool enter = false;
    for (DWORD k = 0; k < count; ++k) enter = enter || isEnter(records[k]);
    if (enter) break;
  }
  CloseHandle(input);
}

}  // namespace

bool writeNow(std::FILE* stream, std::string_view bytes) {
  const int fd = _fileno(stream);
  if (fd < 0) {
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
  }
  // _write does the text mode's "\r\n", and counts the bytes it was given.
  while (!bytes.empty()) {
    const unsigned chunk = bytes.size() < INT_MAX ? static_cast<unsigned>(bytes.size()) : INT_MAX;
    const int written = _write(fd, bytes.data(), chunk);
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(std::min(static_cast<std::size_t>(written), bytes.size()));
  }
  return true;
}

void keepReportsOnScreen(std::string_view program, bool reported) {
  const ConsoleFacts facts{reported, aloneInConsole(), kInputWasConsole};
  if (!shouldWaitForEnter(facts)) return;
  std::fprintf(stderr, "%s: press Enter to close this window (it closes by itself in %d minutes)\n",
               std::string(program).c_str(), kWaitForEnterMinutes);
  std::fflush(stderr);
  waitForEnter(static_cast<DWORD>(kWaitForEnterMinutes) * 60 * 1000);
}

}  // namespace common
