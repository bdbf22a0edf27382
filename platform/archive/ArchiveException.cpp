#include "platform/archive/ArchiveException.h"

namespace quor {

namespace {

std::string Describe(ArchiveException::Cause cause, const std::string& fileName, const std::string& reason) {
  std::string text;
  switch (cause) {
    case ArchiveException::Cause::Generic:
      text = "File error";
      break;
    case ArchiveException::Cause::EndOfFile:
      text = "Unexpected end of file";
      break;
    case ArchiveException::Cause::BadIndex:
      text = "Invalid file format";
      break;
  }
  if (!fileName.empty()) text += ": " + fileName;
  if (!reason.empty()) text += ": " + reason;
  return text;
}

}  // namespace

ArchiveException::ArchiveException(Cause cause, const std::string& fileName, const std::string& reason)
    : std::runtime_error(Describe(cause, fileName, reason)), m_cause(cause), m_fileName(fileName) {}

ArchiveException::~ArchiveException() = default;

}  // namespace quor
