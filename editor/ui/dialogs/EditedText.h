// The text of an edit control with its modify flag, which says whether the
// user changed the text since it was filled. Numbers are read back only from
// changed edits, so values the user left alone keep their exact stored value.
#pragma once

#include <string>

namespace quor {

struct EditedText {
  std::string text;
  bool modified = false;
};

}  // namespace quor
