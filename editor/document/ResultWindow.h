// A window a document opened on one of its result files. It lives on its own:
// the user may close it at any time; the document closes it when the project
// is closed or computed again, and when the handle goes.
#pragma once

namespace quor {

class ResultWindow {
 public:
  virtual ~ResultWindow() = default;

  virtual bool IsOpen() const = 0;
  virtual void Close() = 0;
};

}  // namespace quor
