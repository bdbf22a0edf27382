// Stands in for libTessmor.so: writes the job it was handed to "<base>.job"
// and answers with the error code written in the listing "<base>.lst".
#include <fstream>
#include <string>

#include "tessmor/Tessmor.h"

int Tessmor(ComputeJob* job) {
  const std::string basePath = job->BasePath;
  int code = 0;
  std::ifstream(basePath + ".lst") >> code;
  {
    std::ofstream record(basePath + ".job");
    record << "BasePath=" << job->BasePath << "\nFrequencyStart=" << job->FrequencyStart
           << "\nFrequencyStop=" << job->FrequencyStop << "\nFrequencySteps=" << job->FrequencySteps
           << "\nFrequencyUnit=" << job->FrequencyUnit << "\nRefine=" << job->Refine
           << "\nResolution=" << job->Resolution << "\nMinFeatureDistance=" << job->MinFeatureDistance
           << "\nLengthUnitMetres=" << job->LengthUnitMetres << "\nRunFlag=" << job->RunFlag
           << "\nDoneFlag=" << job->DoneFlag << "\nProgress=" << job->Progress
           << "\nSolveProgress=" << job->SolveProgress << "\nError=" << job->Error << "\n";
  }
  job->Error = code;
  job->DoneFlag = 1;
  return 0;
}
