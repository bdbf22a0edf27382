#include "platform/archive/ArchiveException.h"

namespace quor {

namespace {

std::string Describe(ArchiveException::Cause cause, const std::string& fileName) {
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
  return fileName.empty() ? text : text + ": " + fileName;
}

}  // namespace

ArchiveException::ArchiveException(Cause cause, const std::string& fileName)
    : std::runtime_error(Describe(cause, fileName)), m_cause(cause), m_fileName(fileName) {}

ArchiveException::~ArchiveException() = default;

}  // namespace quor
