// Runs the built velkarin-cli (named by VELKARIN_CLI) and collects its output.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace velkarin::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string TempPath(const std::string& name) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string id = test ? std::string(test->test_suite_name()) + "." + test->name() : "none";
  for (char& c : id) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return ::testing::TempDir() + "/velkarin-" + id + "-" + name;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline std::string WriteTemp(const std::string& name, const std::string& bytes) {
  std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// `args` are shell words, already quoted where needed.
inline CliResult RunCli(const std::string& args) {
  const char* cli = std::getenv("VELKARIN_CLI");
  EXPECT_NE(cli, nullptr) << "VELKARIN_CLI names the built velkarin-cli";
  std::string out = TempPath("stdout"), err = TempPath("stderr");
  std::string command = std::string("'") + (cli ? cli : "velkarin-cli") + "' " + args +
                        " </dev/null >'" + out + "' 2>'" + err + "'";
  int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}

inline std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace velkarin::testing
