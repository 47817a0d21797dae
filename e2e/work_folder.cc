#include "e2e/work_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace e2e {

namespace {

fs::path uniqueRoot() {
  static std::atomic<int> serial{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::ostringstream name;
  name << "casekit-e2e-" << stamp << "-" << serial++;
  return fs::temp_directory_path() / name.str();
}

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int exitStatusOf(int systemResult) {
#ifdef _WIN32
  return systemResult;  // cmd.exe hands back the program's exit code
#else
  return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
#endif
}

// The command line that runs `program` with its standard error in `errFile`.
std::string commandLine(const fs::path& program, const std::string& arguments,
                        const fs::path& errFile) {
  std::string line =
      "\"" + program.string() + "\" " + arguments + " 2>\"" + errFile.string() + "\"";
#ifdef _WIN32
  // cmd.exe strips the outermost quotes of a command line that holds several.
  line = "\"" + line + "\"";
#endif
  return line;
}

// Restores the test's working folder, however the run ends.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : previous_(fs::current_path()) {
    fs::current_path(folder);
  }
  ~InFolder() { fs::current_path(previous_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path previous_;
};

}  // namespace

std::string textLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + kNewline;
  return text;
}

std::string shownPath(std::string relative) {
#ifdef _WIN32
  std::replace(relative.begin(), relative.end(), '/', '\\');
#endif
  return relative;
}

std::string inputFile(int caseNumber) {
  return "inputs/input0" + std::to_string(caseNumber) + ".txt";
}

std::string outputFile(int caseNumber) {
  return "outputs/output0" + std::to_string(caseNumber) + ".txt";
}

std::vector<std::string> missingFolderReports(const std::string& program, std::string (*file)(int),
                                              const std::string& what) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 5; ++i) {
    lines.push_back(program + ": " + shownPath(file(i)) + ": " + what + ": " +
                    std::strerror(ENOENT));
  }
  return lines;
}

std::vector<std::string> RunResult::stderrLines() const {
  std::vector<std::string> lines;
  std::istringstream in(stderrText);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

WorkFolder::WorkFolder(const std::vector<std::string>& subfolders)
    : root_(uniqueRoot()), work_(root_ / "work") {
  fs::create_directories(work_);
  for (const auto& sub : subfolders) fs::create_directories(work_ / sub);
}

WorkFolder::~WorkFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void WorkFolder::write(const std::string& relative, const std::string& bytes) const {
  std::ofstream out(work_ / fs::path(relative), std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << "cannot write fixture " << relative;
}

std::string WorkFolder::read(const std::string& relative) const {
  return slurp(work_ / fs::path(relative));
}

bool WorkFolder::exists(const std::string& relative) const {
  return fs::exists(work_ / fs::path(relative));
}

std::vector<std::string> WorkFolder::files() const {
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(work_)) {
    if (entry.is_regular_file())
      found.push_back(entry.path().lexically_relative(work_).generic_string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

RunResult WorkFolder::run(const std::string& program, const std::string& arguments) const {
  // Made absolute before leaving the start folder, which also gives it a
  // drive on Windows.
  const fs::path exe = fs::absolute(program);
  const fs::path errFile = root_ / "stderr.txt";
  RunResult result;
  {
    InFolder inWork(work_);
    result.exitStatus = exitStatusOf(std::system(commandLine(exe, arguments, errFile).c_str()));
  }
  result.stderrText = slurp(errFile);
  return result;
}

}  // namespace e2e
