#include "editor/ui/CCrtanjeView.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/window.h>

#include "editor/document/CCrtanjeDoc.h"
#include "editor/model/CStructure.h"
#include "editor/ui/CChildFrame.h"
#include "editor/ui/CMainFrame.h"
#include "editor/ui/FitMapping.h"
#include "platform/draw/BackBufferDrawContext.h"

namespace quor {

namespace {

constexpr COLORREF kBackground = 0xEEEEEE;

// Paints through the view, so that the view decides what is drawn.
class ViewCanvas : public wxWindow {
 public:
  ViewCanvas(wxWindow* parent, wxView& view) : wxWindow(parent, wxID_ANY), m_view(view) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(this);
      m_view.OnDraw(&dc);
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
      Refresh(false);
      event.Skip();
    });
  }

 private:
  wxView& m_view;
};

}  // namespace

wxIMPLEMENT_DYNAMIC_CLASS(CCrtanjeView, wxView);

bool CCrtanjeView::OnCreate(wxDocument* document, long) {
  auto* mainFrame = wxDynamicCast(wxTheApp->GetTopWindow(), CMainFrame);
  if (mainFrame == nullptr) return false;
  auto* frame = new CChildFrame(document, this, mainFrame);
  m_canvas = new ViewCanvas(frame, *this);
  frame->Show();
  return true;
}

void CCrtanjeView::OnDraw(wxDC* dc) {
  const auto* document = wxDynamicCast(GetDocument(), CCrtanjeDoc);
  const wxSize size = m_canvas->GetClientSize();
  if (document == nullptr || size.x <= 0 || size.y <= 0) return;
  BackBufferDrawContext buffer(size.x, size.y);
  buffer.FillRect({0, 0, size.x, size.y}, Brush{BrushStyle::Solid, kBackground});
  const CStructure& model = document->GetModel();
  double length = 0.0;
  double width = 0.0;
  model.GetFootprint(length, width);
  const FitMapping mapping(length, width, size.x, size.y);
  model.DrawFootprint(mapping, buffer);
  model.DrawLayers(mapping, buffer, true);
  buffer.Blit(*dc, {0, 0, size.x, size.y});
}

void CCrtanjeView::OnUpdate(wxView*, wxObject*) {
  if (m_canvas != nullptr) m_canvas->Refresh(false);
}

bool CCrtanjeView::OnClose(bool deleteWindow) {
  if (!wxView::OnClose(deleteWindow)) return false;
  Activate(false);
  return true;
}

}  // namespace quor
