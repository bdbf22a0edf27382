// A computation library that lacks exports: with QUOR_STAND_IN_CHECKER it has
// a check that passes every project and nothing else, without it nothing at all.
#include "tessmor/Tessmor.h"

#ifdef QUOR_STAND_IN_CHECKER
extern "C" TESSMOR_EXPORT int Checker(ComputeJob* job) {
  job->Error = 0;
  return 0;
}
#endif
