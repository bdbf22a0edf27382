#include "DocumentTestDoubles.h"

namespace quor::test {

namespace {

std::string Key(const std::string& section, const std::string& entry) {
  return section + "/" + entry;
}

}  // namespace

int MemoryProfile::GetProfileInt(const std::string& section, const std::string& entry,
                                 int defaultValue) const {
  const auto found = m_ints.find(Key(section, entry));
  return found == m_ints.end() ? defaultValue : found->second;
}

void MemoryProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  m_ints[Key(section, entry)] = value;
}

std::optional<std::vector<std::uint8_t>> MemoryProfile::GetProfileBinary(const std::string& section,
                                                                         const std::string& entry) const {
  const auto found = m_binaries.find(Key(section, entry));
  if (found == m_binaries.end()) return std::nullopt;
  return found->second;
}

void MemoryProfile::WriteProfileBinary(const std::string& section, const std::string& entry,
                                       const std::vector<std::uint8_t>& bytes) {
  m_binaries[Key(section, entry)] = bytes;
}

bool FakeProjectDocument::SaveProject() {
  const std::string previous = path;
  // A project without a path goes where Save As would put it; none means Cancel.
  const std::string target = path.empty() ? savePath : path;
  if (target.empty()) return false;
  SaveProjectFile(target);
  path = target;
  AfterSave(target, previous, modified);
  modified = false;
  return true;
}

std::vector<std::pair<HintRecord::To, UpdateHint>> Deliveries(const std::vector<HintRecord>& hints) {
  std::vector<std::pair<HintRecord::To, UpdateHint>> result;
  for (const HintRecord& record : hints) result.emplace_back(record.to, record.hint);
  return result;
}

}  // namespace quor::test
