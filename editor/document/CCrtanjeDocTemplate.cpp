#include "editor/document/CCrtanjeDocTemplate.h"

#include "editor/document/CCrtanjeDoc.h"

namespace quor {

CCrtanjeDocTemplate::CCrtanjeDocTemplate(wxDocManager* manager, wxClassInfo* viewClass,
                                         DocumentServices& services)
    : wxDocTemplate(manager, "QUOR Files (*.qlx)", "*.qlx", wxString(), "qlx", "QUOR.Document", "QUOR View",
                    wxCLASSINFO(CCrtanjeDoc), viewClass),
      m_services(services) {}

}  // namespace quor
