#include "platform/file/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace quor {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kStemLength = 200;
constexpr std::string_view kStagedSuffix = ".tmp";

std::error_code LastError() {
  return {errno, std::generic_category()};
}

// The file behind a link, so that saving through a link updates what it names.
fs::path ResolvedTarget(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  fs::path target = fs::canonical(path, error);
  return error ? path : target;
}

fs::path FolderOf(const fs::path& target) {
  return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Staged files are hidden, named after the target and numbered:
// ".<name>.<number>.tmp". The name is cut so that one near the file system's
// limit leaves room for the rest.
std::string StagedStem(const fs::path& target) {
  return "." + target.filename().string().substr(0, kStemLength) + ".";
}

bool IsStagedNameOf(const std::string& name, const std::string& stem) {
  if (name.size() <= stem.size() + kStagedSuffix.size()) return false;
  if (!name.starts_with(stem) || !name.ends_with(kStagedSuffix)) return false;
  const auto number =
      std::string_view(name).substr(stem.size(), name.size() - stem.size() - kStagedSuffix.size());
  return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A save killed midway leaves its staged file behind; the next save of the
// same target removes it, and nobody else's.
void RemoveLeftoversOf(const fs::path& target) {
  const std::string stem = StagedStem(target);
  std::error_code error;
  for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (IsStagedNameOf(it->path().filename().string(), stem)) fs::remove(it->path(), ignored);
  }
}

// A new file beside the target, removed again unless it was committed.
class StagedFile {
 public:
  explicit StagedFile(const fs::path& target) {
    std::random_device random;
    const std::string stem = StagedStem(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
      m_path = FolderOf(target) / (stem + std::to_string(random()) + std::string(kStagedSuffix));
      // 0666 lets the user's umask decide, as for any new file.
      m_fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (m_fd >= 0 || errno != EEXIST) break;
    }
    if (m_fd < 0) m_error = LastError();
    m_created = m_fd >= 0;
  }
  ~StagedFile() {
    if (m_fd >= 0) close(m_fd);
    if (m_created && !m_committed) unlink(m_path.c_str());
  }
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  std::error_code Error() const { return m_error; }

  void Write(std::span<const std::uint8_t> bytes) {
    while (!m_error && !bytes.empty()) {
      const ssize_t written = write(m_fd, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) {
        m_error = LastError();
        return;
      }
      bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
  }

  void KeepModeOf(const fs::path& target) {
    struct stat status {};
    // A mode that cannot be copied leaves the new file's own: the save matters more.
    if (!m_error && stat(target.c_str(), &status) == 0) (void)fchmod(m_fd, status.st_mode & 07777);
  }

  // Syncs and closes the file and renames it over the target.
  void Commit(const fs::path& target) {
    if (!m_error && fsync(m_fd) != 0) m_error = LastError();
    if (m_fd >= 0 && close(std::exchange(m_fd, -1)) != 0 && !m_error) m_error = LastError();
    if (!m_error && rename(m_path.c_str(), target.c_str()) != 0) m_error = LastError();
    m_committed = !m_error;
  }

 private:
  fs::path m_path;
  int m_fd = -1;
  std::error_code m_error;
  bool m_created = false;
  bool m_committed = false;
};

// Makes the rename itself survive a crash; the file is in place either way.
void SyncFolder(const fs::path& target) {
  const int fd = open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)fsync(fd);
  close(fd);
}

}  // namespace

std::error_code ReplaceFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  const fs::path target = ResolvedTarget(path);
  RemoveLeftoversOf(target);
  StagedFile staged(target);
  staged.KeepModeOf(target);
  staged.Write(bytes);
  staged.Commit(target);
  if (!staged.Error()) SyncFolder(target);
  return staged.Error();
}

}  // namespace quor
