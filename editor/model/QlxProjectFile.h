// The project file (".qlx"): the header with the project's settings, then the
// structure record. Undo snapshots hold the structure record alone.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quor {

class Archive;
class CStructure;
struct DocumentSettings;

// Stores both parts, or loads them into an empty structure.
void SerializeQlxProject(Archive& ar, DocumentSettings& settings, CStructure& structure);

// The file's bytes, and loading from them, as the two below do.
// Both throw ArchiveException (the file cannot be read or written, is not a
// project file, or ends early) or TextError ("Layer does not exist" for a via
// whose stored height matches no layer). A failed load leaves `settings`
// unchanged and `structure` empty. Storing throws TextError, and writes
// nothing, when the project holds a value that loading would refuse.
std::vector<std::uint8_t> StoreQlxProject(const DocumentSettings& settings, CStructure& structure);
void LoadQlxProject(std::vector<std::uint8_t> bytes, DocumentSettings& settings, CStructure& structure);
void SaveQlxProjectFile(const std::filesystem::path& path, const DocumentSettings& settings,
                        CStructure& structure);
void LoadQlxProjectFile(const std::filesystem::path& path, DocumentSettings& settings, CStructure& structure);

}  // namespace quor
