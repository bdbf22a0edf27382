#include "solver/CheckerStage.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <locale>
#include <string>
#include <vector>

#include "solver/Plate.h"
#include "solver/QuorError.h"
#include "solver/checker/CheckLayerGeometry.h"
#include "solver/checker/InterfacePlateBuilder.h"
#include "solver/checker/QlxProjectReader.h"
#include "solver/checker/Sg1File.h"
#include "solver/checker/SideWallBuilder.h"
#include "solver/checker/ViaPlateBuilder.h"
#include "tessmor/ComputeJob.h"

namespace quor::solver {

void CheckerStage(ComputeJob& job) {
  if (job.BasePath == nullptr) throw QUOR_error::error::ProjectFileNotOpened;
  const std::string basePath(job.BasePath);
  const std::filesystem::path projectPath = basePath + ".qlx";
  std::ifstream project(projectPath, std::ios::binary);
  if (!project.is_open() || std::filesystem::is_directory(projectPath)) {
    throw QUOR_error::error::ProjectFileNotOpened;
  }
  // The plate file is emptied before any check, so that no plates of an
  // earlier project outlive a failed check.
  const std::string plateFilePath = basePath + ".sg1";
  std::ofstream plateFile(plateFilePath, std::ios::trunc);
  if (!plateFile.is_open()) QUOR_error::FailOutputFile(plateFilePath);
  plateFile.imbue(std::locale::classic());

  CheckerProject structure = ReadQlxProject(project, job);
  std::vector<Plate> plates;
  BuildViaPlates(structure, job, plates);
  AppendSideWalls(structure, plates);
  DeriveMinFeatureDistance(structure, job);
  AppendInterfacePlates(structure, job, plates);

  WriteSg1File(plateFile, structure.conductorCount, plates);
  plateFile.close();
  if (plateFile.fail()) QUOR_error::FailOutputFile(plateFilePath);
  const bool grounded =
      std::any_of(plates.begin(), plates.end(), [](const Plate& p) { return p.conductorIndex == 0; });
  if (!grounded) throw QUOR_error::error::GroundMissing;
}

}  // namespace quor::solver
