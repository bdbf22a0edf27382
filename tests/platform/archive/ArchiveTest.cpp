#include "platform/archive/Archive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/archive/ArchiveException.h"
#include "platform/archive/ArchiveFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

namespace quor {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ArchiveTest, WritesEveryTypeLittleEndian) {
  Bytes bytes;
  Archive ar(bytes, Archive::Mode::Store);
  ar.WriteU8(0xAB);
  ar.WriteU16(0x0006);
  ar.WriteU32(0x11223344);
  ar.WriteI32(-2);
  ar.WriteF64(1.0);
  const Bytes expected{0xAB, 0x06, 0x00, 0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF,
                       0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};
  EXPECT_EQ(bytes, expected);
}

TEST(ArchiveTest, ReadsEveryTypeLittleEndian) {
  Bytes bytes{0xAB, 0x06, 0x00, 0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF,
              0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};
  Archive ar(bytes, Archive::Mode::Load);
  EXPECT_EQ(ar.ReadU8(), 0xAB);
  EXPECT_EQ(ar.ReadU16(), 0x0006);
  EXPECT_EQ(ar.ReadU32(), 0x11223344u);
  EXPECT_EQ(ar.ReadI32(), -2);
  EXPECT_EQ(ar.ReadF64(), 1.0);
  EXPECT_EQ(ar.Remaining(), 0u);
}

TEST(ArchiveTest, TransferLoadsWhatItStored) {
  std::uint8_t u8 = 7;
  std::uint32_t u32 = 4000000000u;
  std::int32_t i32 = -123456;
  double f64 = -0.1;
  Bytes bytes;
  Archive store(bytes, Archive::Mode::Store);
  store.Transfer(u8);
  store.Transfer(u32);
  store.Transfer(i32);
  store.Transfer(f64);

  std::uint8_t u8In = 0;
  std::uint32_t u32In = 0;
  std::int32_t i32In = 0;
  double f64In = 0;
  Archive load(bytes, Archive::Mode::Load);
  load.Transfer(u8In);
  load.Transfer(u32In);
  load.Transfer(i32In);
  load.Transfer(f64In);
  EXPECT_EQ(u8In, u8);
  EXPECT_EQ(u32In, u32);
  EXPECT_EQ(i32In, i32);
  EXPECT_EQ(f64In, f64);
  EXPECT_EQ(load.Remaining(), 0u);
}

TEST(ArchiveTest, ReadingPastTheEndThrowsEndOfFileAndConsumesNothing) {
  Bytes bytes{1, 2, 3};
  Archive ar(bytes, Archive::Mode::Load);
  try {
    ar.ReadU32();
    FAIL() << "no exception";
  } catch (const ArchiveException& e) {
    EXPECT_EQ(e.GetCause(), ArchiveException::Cause::EndOfFile);
  }
  EXPECT_EQ(ar.Remaining(), 3u);
  std::uint8_t field[4];
  EXPECT_THROW(ar.ReadBytes(field), ArchiveException);
  EXPECT_EQ(ar.ReadU16(), 0x0201);
}

TEST(ArchiveTest, CountsBeyondTheRemainingDataAreRefused) {
  Bytes bytes;
  Archive store(bytes, Archive::Mode::Store);
  store.WriteI32(2);
  store.WriteBytes(Bytes(20, 0));
  store.WriteI32(-7);
  Archive load(bytes, Archive::Mode::Load);
  EXPECT_EQ(load.ReadCount(12), 2);  // 24 bytes follow: two records of 12 fit
  Archive tooLarge(bytes, Archive::Mode::Load);
  EXPECT_THROW(tooLarge.ReadCount(13), ArchiveException);
  Archive negative(bytes, Archive::Mode::Load);
  Bytes skip(24);
  negative.ReadBytes(skip);
  EXPECT_EQ(negative.ReadCount(1000), -7);  // nothing to read: the caller reads no records
}

TEST(ArchiveTest, FileRoundTripAndMissingFile) {
  const test::TempDir scratch("quor-archive-test-");
  const auto path = scratch.Path() / "archive.bin";
  const Bytes bytes{0, 1, 2, 0xFF, 0x1A, 0x0D, 0x0A};
  WriteArchiveFile(path, bytes);
  EXPECT_EQ(ReadArchiveFile(path), bytes);
  std::filesystem::remove(path);
  try {
    ReadArchiveFile(path);
    FAIL() << "no exception";
  } catch (const ArchiveException& e) {
    EXPECT_EQ(e.GetCause(), ArchiveException::Cause::Generic);
    EXPECT_EQ(e.GetFileName(), path.string());
  }
}

TEST(ArchiveTest, ASaveThatFailsMidwayLeavesTheOldFileAsItWas) {
  const test::TempDir scratch("quor-archive-test-");
  const auto path = scratch.Path() / "project.qlx";
  Bytes old(3000);
  for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<std::uint8_t>(i * 7);
  WriteArchiveFile(path, old);
  const int outcome = test::RunWithFileSizeLimit(4096, [&] {
    try {
      WriteArchiveFile(path, Bytes(64 * 1024, 0x5A));
      return 1;
    } catch (const ArchiveException& e) {
      return e.GetFileName() == path.string() ? 0 : 2;
    }
  });
  EXPECT_EQ(outcome, 0) << "the failed save must be reported, naming the file";
  EXPECT_EQ(ReadArchiveFile(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), {}), 1)
      << "a staged file stayed";
}

// A failed save says why; a save killed midway leaves its staged file, which
// the next save of that file removes, and only that file's.
TEST(ArchiveTest, AFailedSaveGivesTheReasonAndTheNextSaveClearsAKilledOnesLeftover) {
  namespace fs = std::filesystem;
  const test::TempDir scratch("quor-archive-test-");
  const auto path = scratch.Path() / "project.qlx";
  const auto failure = [](const fs::path& target) -> std::string {
    try {
      WriteArchiveFile(target, Bytes(64 * 1024, 0x5A));
    } catch (const ArchiveException& e) {
      return e.what();
    }
    return "saved";
  };
  const auto missing = scratch.Path() / "gone" / "project.qlx";
  EXPECT_EQ(failure(missing), "File error: " + missing.string() + ": No such file or directory");
  EXPECT_EQ(
      test::RunWithFileSizeLimit(
          4096, [&] { return failure(path) == "File error: " + path.string() + ": File too large" ? 0 : 1; }),
      0);

  EXPECT_EQ(test::RunWithFileSizeLimit(
                4096, [&] { return failure(path) == "saved" ? 0 : 1; }, test::AtFileSizeLimit::Killed),
            -1);
  const auto listing = [&] {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(scratch.Path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  };
  ASSERT_EQ(listing().size(), 1u) << "the killed save left no staged file";
  const std::vector<std::string> others{".other.qlx.1.tmp", ".project.qlx..tmp", ".project.qlx.x1.tmp",
                                        "project.qlx", "project.qlx.1.tmp"};
  for (const std::string& name : others) std::ofstream(scratch.Path() / name) << "x";
  WriteArchiveFile(path, Bytes{1});
  EXPECT_EQ(listing(), others);
}

TEST(ArchiveTest, SavingThroughALinkOrALongNameReplacesTheFileWithItsMode) {
  namespace fs = std::filesystem;
  const test::TempDir scratch("quor-archive-test-");
  const auto kept = scratch.Path() / "kept.qlx";
  const auto link = scratch.Path() / "link.qlx";
  WriteArchiveFile(kept, Bytes{1, 2, 3});
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(kept.filename(), link);
  WriteArchiveFile(link, Bytes{4, 5});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadArchiveFile(kept), (Bytes{4, 5}));
  EXPECT_EQ(fs::status(kept).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // The staged file's name still fits beside a name of the longest kind.
  const auto longest = scratch.Path() / (std::string(251, 'n') + ".qlx");
  WriteArchiveFile(longest, Bytes{6});
  WriteArchiveFile(longest, Bytes{7});
  EXPECT_EQ(ReadArchiveFile(longest), Bytes{7});
}

}  // namespace
}  // namespace quor
