// The viewer program: one instance at a time, the listing named on the
// command line, the window where it was left.
#pragma once

#include <wx/app.h>

#include <memory>

namespace quor::viewer {

class ViewerLock;

class ViewerApp : public wxApp {
 public:
  ViewerApp();
  ~ViewerApp() override;

  bool OnInit() override;
  int OnRun() override;
  int OnExit() override;

 private:
  // False when the program ends before its window opens; m_exitCode says how.
  bool Start();

  std::unique_ptr<ViewerLock> m_lock;
  bool m_started = false;
  int m_exitCode = 0;
};

}  // namespace quor::viewer
