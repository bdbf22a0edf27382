// What must hold after every operation of the random-edit test: the project
// tree, the info bar, the Layers window and the selection show exactly the
// model's objects, the view can paint, and whatever the project file's writer
// writes of the model its reader reads back to the same bytes.
#pragma once

#include <string>
#include <vector>

namespace quor::test {

class MonkeyEditor;

// The faults found; empty when everything holds.
std::vector<std::string> CheckEditor(MonkeyEditor& editor);

}  // namespace quor::test
