// What a project tree item carries: the model object it stands for and the
// image that tells its kind (a layer item shows its colour swatch instead).
#pragma once

#include <wx/treebase.h>

#include "editor/model/TreeControl.h"

namespace quor {

class ProjectTreeItemData : public wxTreeItemData {
 public:
  ProjectTreeItemData(TreeControl::Object object, int image) : m_object(object), m_image(image) {}

  const TreeControl::Object& GetObject() const { return m_object; }
  int GetImage() const { return m_image; }

 private:
  TreeControl::Object m_object;
  int m_image;
};

}  // namespace quor
