// The document template of projects: ".qlx" files, CCrtanjeDoc documents and
// the view class the editor gives it. It hands every document it creates the
// editor's services.
#pragma once

#include <wx/docview.h>

namespace quor {

struct DocumentServices;

class CCrtanjeDocTemplate : public wxDocTemplate {
 public:
  CCrtanjeDocTemplate(wxDocManager* manager, wxClassInfo* viewClass, DocumentServices& services);

  DocumentServices& GetServices() const { return m_services; }

 private:
  DocumentServices& m_services;
};

}  // namespace quor
