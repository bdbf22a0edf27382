// A tree control for model tests that records every inserted item.
#pragma once

#include <string>
#include <vector>

#include "editor/model/TreeControl.h"

namespace quor::test {

class RecordingTreeControl : public TreeControl {
 public:
  struct Entry {
    std::string text;
    int image;
    int selectedImage;
    Object object;
    Item parent;
    Item insertAfter;
  };

  Item InsertItem(const std::string& text, int image, int selectedImage, Object object, Item parent,
                  Item insertAfter) override {
    entries.push_back(Entry{text, image, selectedImage, object, parent, insertAfter});
    return static_cast<Item>(entries.size());  // items are numbered from 1
  }

  std::vector<Entry> entries;
};

}  // namespace quor::test
