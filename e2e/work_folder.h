// A fresh temporary working folder for one end-to-end test, and a way to run
// one of the built programs in it as an exercise author would. Everything the
// tests need to know about the platform (line ending, how a shell reports an
// exit status) sits here.
#ifndef E2E_WORK_FOLDER_H_
#define E2E_WORK_FOLDER_H_

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// What a text-mode write turns '\n' into on this platform.
#ifdef _WIN32
inline constexpr const char* kNewline = "\r\n";
#else
inline constexpr const char* kNewline = "\n";
#endif

// The lines, each ended as the programs end them on this platform.
std::string textLines(const std::vector<std::string>& lines);

// `relative` ("inputs/input03.txt") as the programs name it in their messages.
std::string shownPath(std::string relative);

// The case files, as the tests name them: inputFile(3) is "inputs/input03.txt".
std::string inputFile(int caseNumber);
std::string outputFile(int caseNumber);

// What `program` reports when none of the five files (`file` of each case)
// can be opened because their folder is missing: one line a case.
std::vector<std::string> missingFolderReports(const std::string& program, std::string (*file)(int),
                                              const std::string& what);

struct RunResult {
  int exitStatus = -1;
  std::string stderrText;
  std::vector<std::string> stderrLines() const;
};

class WorkFolder {
 public:
  // Creates an empty folder holding the given subfolders ("inputs", ...).
  explicit WorkFolder(const std::vector<std::string>& subfolders);
  ~WorkFolder();
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  const std::filesystem::path& path() const { return work_; }

  // `relative` may use '/' on every platform.
  void write(const std::string& relative, const std::string& bytes) const;
  std::string read(const std::string& relative) const;  // the bytes as they are on disk
  bool exists(const std::string& relative) const;
  // Every file below the folder, relative, in sorted order.
  std::vector<std::string> files() const;

  // Runs `program` (an absolute path or one relative to the test's start
  // folder) with the folder as its working folder.
  RunResult run(const std::string& program, const std::string& arguments = "") const;

 private:
  std::filesystem::path root_;  // holds work_ and what the harness keeps aside
  std::filesystem::path work_;
};

}  // namespace e2e

#endif  // E2E_WORK_FOLDER_H_
