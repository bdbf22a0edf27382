// What the progress dialog shows at each tick of its timer. Segment reports
// one percentage; Tessmor first fills its matrix and then solves, so its bar
// follows the fill up to 100 and then starts again with the solve, under a
// new title.
#pragma once

#include <string>

struct ComputeJob;

namespace quor {

class ProgressPoll {
 public:
  struct Tick {
    bool done = false;  // the stage has stored its last field: the dialog ends
    int bar = 0;
    bool solveBegins = false;  // the title turns to "Solve Linear Equations" now
  };

  explicit ProgressPoll(const std::string& exportName);

  Tick Poll(const ComputeJob& job);

 private:
  bool m_hasSolve;
  bool m_secondPhase = false;
};

}  // namespace quor
