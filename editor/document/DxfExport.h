// The export of a project as a DXF drawing through the converter program. The
// model text goes into a fresh working directory beside links to the
// converter's templates, the converter runs there with a time limit, and its
// drawing replaces the target file only when the converter reports success:
// no file of an earlier export can be taken for this one's.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace quor {

class CStructure;
struct DocumentSettings;

class DxfExport {
 public:
  static constexpr std::chrono::milliseconds kTimeLimit{20000};

  // The program directory holds the converter and its templates.
  explicit DxfExport(std::filesystem::path programDirectory,
                     std::chrono::milliseconds timeLimit = kTimeLimit);

  // The message for the user: "Completed", the converter's whole status (its
  // lines without their padding), or what else went wrong.
  std::string Run(const CStructure& model, const DocumentSettings& settings, const std::string& target) const;

 private:
  std::filesystem::path m_programDirectory;
  std::chrono::milliseconds m_timeLimit;
};

}  // namespace quor
