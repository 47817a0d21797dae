// The one place that knows the platform the programs run on: the directory
// separator of the case paths, the file descriptor behind a stream, and the
// Windows console.
//
// On Windows the natural way to run a program is to double-click it in
// Explorer, which gives it a console window of its own that closes the moment
// the program exits, taking its reports with it. So a run that reported
// anything and is alone in its console waits, for a while, for Enter before it
// ends. A run started from a shell or a script shares that shell's console and
// never waits; on other platforms nothing waits.
#ifndef COMMON_PLATFORM_H_
#define COMMON_PLATFORM_H_

#include <cstdio>
#include <string_view>

namespace common {

#ifdef _WIN32
inline constexpr char kDirSeparator = '\\';
#else
inline constexpr char kDirSeparator = '/';
#endif

// Hands `bytes` to the operating system at once, through the file descriptor
// behind `stream`, with no stdio buffer in between: a line written so costs
// one system call and little else. On Windows a text-mode stream still turns
// each "\n" into "\r\n". A stream with no descriptor (one in memory) gets the
// bytes through stdio and a flush. Returns false, with errno set, if the
// bytes could not all be written.
// REQUIRES: `stream`'s own buffer holds nothing.
bool writeNow(std::FILE* stream, std::string_view bytes);

// How long a run kept open waits for Enter. An unattended run that got a
// console of its own (a scheduled task) still ends by itself.
inline constexpr int kWaitForEnterMinutes = 5;

// What decides whether a run keeps its window open.
struct ConsoleFacts {
  bool reported = false;        // the run reported at least one problem
  bool aloneInConsole = false;  // no shell or other program shares the console
  bool inputIsConsole = false;  // standard input, as the process got it, is that console
};

// True when the reports would vanish with the window and someone can answer.
inline bool shouldWaitForEnter(const ConsoleFacts& facts) {
  return facts.reported && facts.aloneInConsole && facts.inputIsConsole;
}

// Called once, at the end of `main`, after every report. On Windows, when
// shouldWaitForEnter holds, prints one line saying to press Enter and waits
// for Enter, at most kWaitForEnterMinutes. Elsewhere it does nothing.
void keepReportsOnScreen(std::string_view program, bool reported);

}  // namespace common

#endif  // COMMON_PLATFORM_H_
