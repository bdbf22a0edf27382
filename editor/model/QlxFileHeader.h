// The fixed 72-byte header of a project file: magic "QUOR", version 1.0.6,
// the unit length, then the project's settings.
#pragma once

namespace quor {

class Archive;
struct DocumentSettings;

inline constexpr int kQlxFileHeaderSize = 72;

void WriteQlxFileHeader(Archive& ar, const DocumentSettings& settings);

// Refuses another magic or version, a display-unit index outside the table
// and a grid spacing that is not a positive number with
// ArchiveException(BadIndex). An unknown frequency multiplier keeps the
// frequency unit that `settings` had.
void ReadQlxFileHeader(Archive& ar, DocumentSettings& settings);

}  // namespace quor
