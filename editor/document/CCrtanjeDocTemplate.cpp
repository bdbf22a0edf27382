#include "editor/document/CCrtanjeDocTemplate.h"

#include "editor/document/CCrtanjeDoc.h"

namespace quor {

CCrtanjeDocTemplate::CCrtanjeDocTemplate(wxDocManager* manager, wxClassInfo* viewClass,
                                         DocumentServices& services)
    // The file dialogs add the pattern to the description: "QUOR Files (*.qlx)".
    : wxDocTemplate(manager, "QUOR Files", "*.qlx", wxString(), "qlx", "QUOR.Document", "QUOR View",
                    wxCLASSINFO(CCrtanjeDoc), viewClass),
      m_services(services) {}

}  // namespace quor
