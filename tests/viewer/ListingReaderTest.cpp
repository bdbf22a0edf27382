#include "viewer/ListingReader.h"

#include <gtest/gtest.h>

#include "viewer/ListingFixture.h"

namespace quor::viewer {
namespace {

using test::FixtureGroups;
using test::FixturePlate;

class ListingReaderTest : public ::testing::Test {
 protected:
  ListingStatus Read(const std::string& text) {
    const auto path = m_dir / "plates.lst";
    test::WriteFile(path, text);
    return read_plate_list(path.string(), m_store);
  }

  const test::TempDir m_scratch{"quor-viewer-reader-"};
  const std::filesystem::path m_dir = m_scratch.Path();
  PlateStore m_store;
};

FixturePlate Polygon(int nodes) {
  FixturePlate plate;
  for (int i = 0; i < nodes; ++i) plate.push_back({double(i), double(i * i), 5.0});
  return plate;
}

TEST_F(ListingReaderTest, ReadsGroupsInOrderWithTheDielectricLast) {
  ASSERT_EQ(Read(test::ListingText(test::RaisedSquare())), ListingStatus::Read);
  ASSERT_EQ(m_store.GroupCount(), 2);
  ASSERT_EQ(m_store.groups[0].size(), 1u);
  ASSERT_EQ(m_store.groups[0][0].size(), 4u);
  EXPECT_FLOAT_EQ(m_store.groups[0][0][1].x, 100.0f);
  EXPECT_FLOAT_EQ(m_store.groups[0][0][1].z, 10.0f);
  EXPECT_FLOAT_EQ(m_store.groups[1][0][2].y, 10.0f);
}

TEST_F(ListingReaderTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(read_plate_list((m_dir / "none.lst").string(), m_store), ListingStatus::CannotOpen);
}

TEST_F(ListingReaderTest, ConductorCountLimits) {
  EXPECT_EQ(Read("0\n0\n"), ListingStatus::BadData);
  // Conductor indices run to 20, so 21 conductors are a valid listing.
  EXPECT_EQ(Read(test::ListingText(FixtureGroups(22))), ListingStatus::Read);
  EXPECT_EQ(m_store.GroupCount(), 22);
  EXPECT_EQ(Read(test::ListingText(FixtureGroups(23))), ListingStatus::BadData);
  EXPECT_TRUE(m_store.groups.empty());
}

TEST_F(ListingReaderTest, PlateAndNodeCountLimits) {
  FixtureGroups full(2);
  full[1].assign(kMaxPlatesPerGroup, FixturePlate{});
  EXPECT_EQ(Read(test::ListingText(full)), ListingStatus::Read);
  EXPECT_EQ(Read("1\n0\n6001\n"), ListingStatus::BadData);
  EXPECT_EQ(Read("1\n-1\n0\n"), ListingStatus::BadData);

  EXPECT_EQ(Read(test::ListingText({{Polygon(50)}, {}})), ListingStatus::Read);
  EXPECT_EQ(m_store.groups[0][0].size(), 50u);
  EXPECT_EQ(Read(test::ListingText({{Polygon(51)}, {}})), ListingStatus::BadData);
  // A plate without nodes is accepted (it draws nothing).
  EXPECT_EQ(Read(test::ListingText({{Polygon(0)}, {}})), ListingStatus::Read);
  EXPECT_TRUE(m_store.groups[0][0].empty());
}

TEST_F(ListingReaderTest, DamagedDataIsBadData) {
  const std::string good = test::ListingText(test::RaisedSquare());
  EXPECT_EQ(Read(good.substr(0, good.size() / 2)), ListingStatus::BadData);
  EXPECT_EQ(Read("x\n"), ListingStatus::BadData);
  EXPECT_EQ(Read("1\n1\n0\n3\n0 0 0\n1 0 0\n1 1.5\n"), ListingStatus::BadData);  // a node line short of z
  EXPECT_EQ(Read("1\n1\n0\n3\n0 0 0\n1 0 nan\n1 1 0\n1 1\n"), ListingStatus::BadData);
  EXPECT_EQ(Read("1\n1\n0\n3\n0 0 0\n1 0 1e39\n1 1 0\n1 1\n"), ListingStatus::BadData);
  EXPECT_EQ(Read("1\n1.5\n0\n"), ListingStatus::BadData);
}

TEST_F(ListingReaderTest, ReadsRecordByRecord) {
  // Counts may share a line, a read drops what is left of its last line,
  // and CR LF line ends are accepted.
  EXPECT_EQ(Read("1 conductor\r\n1 0\r\n3 nodes\r\n0 0 0 9\r\n1 0 0\r\n0 1 0\r\n1 1\r\n"),
            ListingStatus::Read);
  ASSERT_EQ(m_store.groups[0].size(), 1u);
  EXPECT_FLOAT_EQ(m_store.groups[0][0][1].x, 1.0f);
  EXPECT_FLOAT_EQ(m_store.groups[0][0][2].y, 1.0f);
}

}  // namespace
}  // namespace quor::viewer
