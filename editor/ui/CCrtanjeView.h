// The editing view of a project. This first form only shows the structure:
// its canvas paints the footprint and the layers through the model's own
// drawing, fitted into the window. The child frame is made here, as wx's
// document/view expects of a view.
#pragma once

#include <wx/docview.h>

namespace quor {

class CCrtanjeView : public wxView {
 public:
  CCrtanjeView() = default;

  bool OnCreate(wxDocument* document, long flags) override;
  void OnDraw(wxDC* dc) override;
  void OnUpdate(wxView* sender, wxObject* hint) override;
  bool OnClose(bool deleteWindow) override;

 private:
  wxWindow* m_canvas = nullptr;  // owned by the child frame

  wxDECLARE_DYNAMIC_CLASS(CCrtanjeView);
};

}  // namespace quor
