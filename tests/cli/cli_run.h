#pragma once
// Runs drawlyze-cli as a script would: a shell command line, its output and
// messages caught in files of a folder, its exit status.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace drawlyze::testing {

struct CliRun {
  int status = -1;  // -1 when it did not exit by itself
  std::string out;
  std::string err;
};

inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// `cli` with `args` (quoted by the caller), stdin empty; `dir` holds the
// captured output.
inline CliRun RunCli(const std::string& cli, const std::string& args, const std::filesystem::path& dir) {
  const std::filesystem::path out = dir / "stdout", err = dir / "stderr";
  const std::string command =
      "'" + cli + "' " + args + " > '" + out.string() + "' 2> '" + err.string() + "' < /dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}

}  // namespace drawlyze::testing
