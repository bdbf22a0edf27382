#include "batchrun/ListingPath.h"

#include <gtest/gtest.h>

namespace quor {
namespace {

TEST(ListingPath, ExtensionIsTheTextAfterTheLastDotExactly) {
  EXPECT_TRUE(HasLstExtension("board.lst"));
  EXPECT_TRUE(HasLstExtension("/data/v1.2/board.lst"));
  EXPECT_TRUE(HasLstExtension(".lst"));
  EXPECT_FALSE(HasLstExtension("board.LST"));
  EXPECT_FALSE(HasLstExtension("board.lst.bak"));
  EXPECT_FALSE(HasLstExtension("board.lstx"));
  EXPECT_FALSE(HasLstExtension("boardlst"));
  EXPECT_FALSE(HasLstExtension("board."));
}

TEST(ListingPath, BasePathIsCutAtTheLastDot) {
  EXPECT_EQ(BasePathOf("/data/v1.2/board.lst"), "/data/v1.2/board");
  EXPECT_EQ(BasePathOf("my board.lst"), "my board");
  EXPECT_EQ(BasePathOf("noextension"), "noextension");
}

}  // namespace
}  // namespace quor
