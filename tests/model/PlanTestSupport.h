#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/PlanFile.h"
#include "model/PlanFileLayout.h"
#include "model/PlanRecord.h"

namespace plantest {

inline constexpr std::int32_t kClockYear = 2026;

// A plan in which every line holds a value different from the sample one:
// texts, the flag false, negative amounts and amounts beyond 32 bits.
inline PlanRecord EveryFieldSet() {
  PlanRecord plan;
  int n = 0;
  for (const PlanLineField& field : PlanFileLayout()) {
    ++n;
    std::visit(
        [&](auto member) {
          using Value = std::remove_cvref_t<decltype(plan.*member)>;
          if constexpr (std::is_same_v<Value, std::string>) {
            plan.*member = "Text, line " + std::to_string(n) + " ($ -1.5)";
          } else if constexpr (std::is_same_v<Value, bool>) {
            plan.*member = false;
          } else if constexpr (std::is_same_v<Value, long double>) {
            plan.*member = n * 0.125L - 7.0L;
          } else if constexpr (std::is_same_v<Value, std::int64_t>) {
            plan.*member = (n % 2 ? -1 : 1) * (3000000000LL + n);
          } else {
            plan.*member = n % 2 ? -n : n * 10;
          }
        },
        field);
  }
  plan.Age1 = 47;
  return plan;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Text of the first line where two plans differ, empty when the files match.
inline std::string FirstDifference(const PlanRecord& a, const PlanRecord& b) {
  const auto linesA = SplitLines(PlanFileText(a));
  const auto linesB = SplitLines(PlanFileText(b));
  for (std::size_t i = 0; i < linesA.size() && i < linesB.size(); ++i) {
    if (linesA[i] != linesB[i]) return "line " + std::to_string(i + 1) + ": " + linesA[i] + " vs " + linesB[i];
  }
  return {};
}

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("prevora-model-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteAll(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

}  // namespace plantest
