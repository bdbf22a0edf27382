#include "editor/model/QlxProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ExampleProjects.h"
#include "editor/model/CStructure.h"
#include "editor/model/DocumentSettings.h"
#include "editor/model/QlxFileHeader.h"
#include "platform/archive/Archive.h"
#include "platform/archive/ArchiveException.h"
#include "platform/archive/ArchiveFile.h"
#include "platform/error/TextError.h"
#include "support/TempDir.h"

namespace quor {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A new project as the document makes it: default settings, a 1000 x 1000
// mil footprint and the first layer at z = 0.
void MakeNewProject(CStructure& structure) {
  structure.SetFootprint(2540, 2540);
  structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
}

Bytes Store(DocumentSettings settings, CStructure& structure) {
  Bytes bytes;
  Archive ar(bytes, Archive::Mode::Store);
  SerializeQlxProject(ar, settings, structure);
  return bytes;
}

void Load(Bytes bytes, DocumentSettings& settings, CStructure& structure) {
  Archive ar(bytes, Archive::Mode::Load);
  SerializeQlxProject(ar, settings, structure);
}

ArchiveException::Cause LoadFailure(const Bytes& bytes) {
  DocumentSettings settings;
  CStructure structure;
  try {
    Load(bytes, settings, structure);
  } catch (const ArchiveException& e) {
    return e.GetCause();
  }
  ADD_FAILURE() << "the bytes were accepted";
  return ArchiveException::Cause::Generic;
}

void Patch(Bytes& bytes, std::size_t offset, const void* value, std::size_t size) {
  std::memcpy(bytes.data() + offset, value, size);
}

// Three layers with names and flags, polygons in a deliberate drawing order,
// two vias and counters that no longer match the object count.
void MakeRichProject(CStructure& structure) {
  structure.SetFootprint(3000, 2000);
  structure.SetMetallization(true, false, true, false);
  structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  CLayer& middle = structure.AddLayer(CDielectric(4.4, 160), std::string(50, 'M'), false, true);
  structure.AddLayer(CDielectric(2.2, 320), "top side", true, false);
  for (int i = 0; i < 3; ++i) {
    auto polygon = std::make_unique<CConductorPolygon>();
    for (const Point3& p : {Point3(10 * i, 0, 160), Point3(100, 0, 160), Point3(100, 100, 160)})
      polygon->AddNode(p);
    polygon->SetClosed(i != 1);
    polygon->conductorIndex = static_cast<std::uint32_t>(i);
    structure.AddNewShapeAtZ(160, std::move(polygon));
  }
  structure.SendToBack(*middle.GetShapes().back());
  structure.RemoveLayerAtZ(320);
  structure.AddLayer(CDielectric(3.0, 500), std::nullopt, true, false);
  CLayer& ground = structure.FindLayerByZ(0);
  CLayer& top = structure.FindLayerByZ(500);
  structure.AddVia(std::make_unique<CVia>(5, 50, 50, &middle, &ground, true));
  structure.AddVia(std::make_unique<CVia>(7, 80, 20, &top, &middle, false));
  structure.RemoveVia(structure.GetVias().front().get());
  structure.AddVia(std::make_unique<CVia>(9, 20, 80, &top, &ground, true));
}

TEST(QlxProjectFileTest, NewProjectIs189BytesWithTheDefaultHeader) {
  CStructure structure;
  MakeNewProject(structure);
  const Bytes bytes = Store(DocumentSettings{}, structure);
  ASSERT_EQ(bytes.size(), 189u);

  Bytes expected;
  Archive ar(expected, Archive::Mode::Store);
  for (char c : std::string("QUOR")) ar.WriteU8(static_cast<std::uint8_t>(c));
  ar.WriteU8(1);
  ar.WriteU8(0);
  ar.WriteU16(6);
  ar.WriteF64(0.01);
  ar.WriteF64(1.0);
  ar.WriteF64(1.0);
  ar.WriteI32(0);
  ar.WriteI32(1000000000);
  ar.WriteF64(1.0);
  ar.WriteF64(1.0);
  ar.WriteI32(3);
  ar.WriteF64(254.0);
  ar.WriteI32(4);
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kQlxFileHeaderSize));
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + kQlxFileHeaderSize), expected);
  // The counters close the file: one layer numbered, no polygon, no via.
  const Bytes counters{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(bytes.end() - 12, bytes.end()), counters);
}

TEST(QlxProjectFileTest, SaveThenLoadReproducesEverything) {
  CStructure structure;
  MakeRichProject(structure);
  DocumentSettings settings;
  settings.FrequencyStart = 0.5;
  settings.FrequencyStop = 3;
  settings.FrequencySteps = 10;
  settings.FrequencyUnits = 1;
  settings.Units = 0;
  settings.GridSpacing = 50;
  settings.NumberOfViaSegments = 8;
  const Bytes bytes = Store(settings, structure);

  DocumentSettings loadedSettings;
  CStructure loaded;
  Load(bytes, loadedSettings, loaded);
  EXPECT_EQ(Store(loadedSettings, loaded), bytes);
  EXPECT_EQ(loadedSettings.FrequencyUnits, 1);
  EXPECT_EQ(loadedSettings.GridSpacing, 50);

  std::vector<double> heights;
  for (const auto& layer : loaded.GetLayers()) heights.push_back(layer->GetZ());
  EXPECT_EQ(heights, (std::vector<double>{0, 160, 500}));
  const CLayer& middle = loaded.FindLayerByZ(160);
  EXPECT_EQ(middle.GetName(), std::string(50, 'M'));
  EXPECT_TRUE(middle.locked);
  EXPECT_FALSE(middle.visible);
  std::vector<std::uint32_t> ids;
  for (const auto& polygon : middle.GetShapes()) ids.push_back(polygon->id);
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{2, 0, 1}));
  EXPECT_FALSE(middle.GetShapeById(1).IsClosed());
  ASSERT_EQ(loaded.GetViaCount(), 2);
  EXPECT_EQ(loaded.GetVias().front()->id, 1u);
  EXPECT_EQ(loaded.GetVias().front()->GetBottomLayer(), &middle);
  EXPECT_EQ(loaded.GetVias().back()->id, 2u);
  EXPECT_EQ(loaded.GetLayerCounter(), 4u);
  EXPECT_EQ(loaded.GetNextShapeId(), 3u);
  EXPECT_EQ(loaded.GetNextViaId(), 3u);
  bool top = false, left = true, bottom = false, right = true;
  loaded.GetMetallization(top, left, bottom, right);
  EXPECT_TRUE(top && !left && bottom && !right);
}

TEST(QlxProjectFileTest, EachMetallizedSideRoundTripsAlone) {
  for (int side = 0; side < 4; ++side) {
    SCOPED_TRACE(side);
    CStructure structure;
    MakeNewProject(structure);
    structure.SetMetallization(side == 0, side == 1, side == 2, side == 3);
    DocumentSettings settings;
    CStructure loaded;
    Load(Store(DocumentSettings{}, structure), settings, loaded);
    std::array<bool, 4> sides{true, true, true, true};
    loaded.GetMetallization(sides[0], sides[1], sides[2], sides[3]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(sides[static_cast<std::size_t>(i)], i == side) << "side " << i;
  }
}

TEST(QlxProjectFileTest, RefusesOtherVersionsButNotAnyUnitLength) {
  CStructure structure;
  MakeNewProject(structure);
  const Bytes good = Store(DocumentSettings{}, structure);
  for (auto [offset, value] :
       {std::pair<std::size_t, std::uint8_t>{6, 5}, {6, 7}, {4, 0}, {5, 1}, {0, 'q'}}) {
    Bytes bad = good;
    bad[offset] = value;
    EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex) << offset << " " << int(value);
  }
  Bytes anyUnit = good;
  const double unit = 12345.0;
  Patch(anyUnit, 8, &unit, sizeof unit);
  DocumentSettings settings;
  CStructure loaded;
  EXPECT_NO_THROW(Load(anyUnit, settings, loaded));
}

TEST(QlxProjectFileTest, RefusesValuesThatWouldIndexOrDivideWrongly) {
  CStructure structure;
  MakeNewProject(structure);
  const Bytes good = Store(DocumentSettings{}, structure);
  const std::int32_t badUnit = 9;
  Bytes bad = good;
  Patch(bad, 56, &badUnit, sizeof badUnit);
  EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex);
  for (double spacing : {0.0, -254.0, std::nan("")}) {
    bad = good;
    Patch(bad, 60, &spacing, sizeof spacing);
    EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex) << spacing;
  }
  const double zero = 0.0;
  bad = good;
  Patch(bad, 72, &zero, sizeof zero);  // footprint length
  EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex);
  // A layer count far beyond the data is a file cut short, found at once.
  const std::int32_t huge = 0x7FFFFFFF;
  bad = good;
  Patch(bad, 92, &huge, sizeof huge);
  EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::EndOfFile);
}

// Replaces the one stored copy of `from` by `to`.
void PatchDouble(Bytes& bytes, double from, double to) {
  std::uint8_t pattern[sizeof from];
  std::memcpy(pattern, &from, sizeof from);
  const auto found = std::search(bytes.begin(), bytes.end(), std::begin(pattern), std::end(pattern));
  ASSERT_NE(found, bytes.end()) << from;
  ASSERT_EQ(std::search(found + 1, bytes.end(), std::begin(pattern), std::end(pattern)), bytes.end()) << from;
  Patch(bytes, static_cast<std::size_t>(found - bytes.begin()), &to, sizeof to);
}

// Layers at 0, 160.5 and 320.75 with a polygon and a via on the lower two;
// each value the tests change is stored once.
void MakeDistinctProject(CStructure& structure) {
  structure.SetFootprint(3000, 2000);
  structure.AddLayer(CDielectric(1.0, 0.0), std::nullopt, true, false);
  CLayer& middle = structure.AddLayer(CDielectric(4.25, 160.5), std::nullopt, true, false);
  structure.AddLayer(CDielectric(2.125, 320.75), std::nullopt, true, false);
  auto polygon = std::make_unique<CConductorPolygon>();
  for (const Point3& p : {Point3(11.5, 12.5, 160.5), Point3(100, 0, 160.5), Point3(100, 100, 160.5)})
    polygon->AddNode(p);
  polygon->SetClosed(true);
  structure.AddNewShapeAtZ(160.5, std::move(polygon));
  structure.AddVia(std::make_unique<CVia>(5.5, 50.25, 60.75, &middle, &structure.FindLayerByZ(0), true));
}

TEST(QlxProjectFileTest, RefusesNumbersThatAreNotFiniteAndLayersOutOfHeightOrder) {
  CStructure structure;
  MakeDistinctProject(structure);
  const Bytes good = Store(DocumentSettings{}, structure);
  {
    DocumentSettings settings;
    CStructure loaded;
    Load(good, settings, loaded);
    EXPECT_EQ(loaded.GetLayerCount(), 3);
  }
  const double inf = std::numeric_limits<double>::infinity();
  // Node x and y, a permittivity, a height, the via's radius and centre.
  for (double value : {11.5, 12.5, 4.25, 320.75, 5.5, 50.25, 60.75}) {
    for (double broken : {std::nan(""), inf, -inf}) {
      Bytes bad = good;
      PatchDouble(bad, value, broken);
      EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex) << value << " as " << broken;
    }
  }
  // The top layer below the middle one, then at the same height.
  for (double height : {100.0, 160.5}) {
    Bytes bad = good;
    PatchDouble(bad, 320.75, height);
    EXPECT_EQ(LoadFailure(bad), ArchiveException::Cause::BadIndex) << height;
  }
}

// Every way a model can come to hold what the reader refuses: the bytes it
// would give do not load, so the writer refuses them and the file stays.
TEST(QlxProjectFileTest, TheWriterRefusesWhatTheReaderRefusesAndKeepsTheFile) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::nan("");
  CLayer stray(CDielectric(1.0, 77.0), "stray", true, false);
  using Breakage = std::function<void(DocumentSettings&, CStructure&)>;
  const std::vector<std::pair<Breakage, const char*>> breakages{
      {[](auto& s, auto&) { s.Units = 9; }, "the length unit"},
      {[&](auto& s, auto&) { s.GridSpacing = inf; }, "the grid spacing"},
      {[](auto& s, auto&) { s.GridSpacing = 0.0; }, "the grid spacing"},
      {[&](auto&, auto& m) { m.SetFootprint(inf, 2000); }, "the footprint"},
      {[](auto&, auto& m) { m.SetFootprint(3000, -1); }, "the footprint"},
      {[&](auto&, auto& m) { m.FindLayerByZ(160.5).SetEr(nan); }, "layer \"Layer 1\""},
      {[&](auto&, auto& m) { m.AddLayer(CDielectric(1.0, inf), "sky", true, false); }, "layer \"sky\""},
      {[&](auto&, auto& m) { m.FindLayerByZ(160.5).GetShapes().front()->GetNodes().GetAt(1)->y = -inf; },
       "polygon 0"},
      {[&](auto&, auto& m) {
         CVia& via = *m.GetVias().front();
         via = CVia(5.5, nan, 1.0, via.GetTopLayer(), via.GetBottomLayer(), true);
       },
       "via 0"},
      {[&](auto&, auto& m) { m.GetVias().front()->SetLayers(&stray, &m.FindLayerByZ(0)); }, "via 0"},
  };
  const test::TempDir scratch("quor-unwritable-");
  const auto path = scratch.Path() / "kept.qlx";
  for (const auto& [breakage, what] : breakages) {
    SCOPED_TRACE(what);
    DocumentSettings settings;
    CStructure structure;
    MakeDistinctProject(structure);
    breakage(settings, structure);
    DocumentSettings loadedSettings;
    CStructure loaded;
    EXPECT_ANY_THROW(Load(Store(settings, structure), loadedSettings, loaded));
    WriteArchiveFile(path, Bytes{1, 2, 3});
    try {
      SaveQlxProjectFile(path, settings, structure);
      ADD_FAILURE() << "written";
    } catch (const TextError& e) {
      EXPECT_EQ(e.Text(), "Project not saved: invalid value in " + std::string(what));
    }
    EXPECT_EQ(ReadArchiveFile(path), (Bytes{1, 2, 3}));
  }
}

// What an earlier editor saved after "inf" or "nan" was typed stays refused.
TEST(QlxProjectFileTest, ProjectsSavedWithTypedInfinitiesStayRefused) {
  for (const char* name : {"qlx_saved_infinite_length.qlx", "qlx_saved_nan_via.qlx"}) {
    DocumentSettings settings;
    CStructure loaded;
    try {
      LoadQlxProjectFile(std::filesystem::path(QUOR_SOURCE_DIR) / "tests/data/hostile" / name, settings,
                         loaded);
      ADD_FAILURE() << name << " opened";
    } catch (const ArchiveException& e) {
      EXPECT_STREQ(e.what(), "Invalid file format") << name;
    }
    EXPECT_EQ(loaded.GetLayerCount(), 0) << name;
  }
}

TEST(QlxProjectFileTest, RefusedFileOpensNothing) {
  CStructure structure;
  MakeDistinctProject(structure);
  Bytes bytes = Store(DocumentSettings{}, structure);
  PatchDouble(bytes, 50.25, std::nan(""));
  const test::TempDir scratch("quor-not-finite-");
  const auto path = scratch.Path() / "not_finite.qlx";
  WriteArchiveFile(path, bytes);
  DocumentSettings settings;
  settings.Units = 2;
  CStructure loaded;
  EXPECT_THROW(LoadQlxProjectFile(path, settings, loaded), ArchiveException);
  EXPECT_EQ(loaded.GetLayerCount(), 0);
  EXPECT_EQ(settings.Units, 2);
}

TEST(QlxProjectFileTest, EveryTruncationIsRefusedAsEndOfFile) {
  CStructure structure;
  MakeRichProject(structure);
  const Bytes bytes = Store(DocumentSettings{}, structure);
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ASSERT_EQ(LoadFailure(Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size))),
              ArchiveException::Cause::EndOfFile)
        << size;
  }
}

TEST(QlxProjectFileTest, UnknownMultiplierKeepsTheFrequencyUnit) {
  CStructure structure;
  MakeNewProject(structure);
  Bytes bytes = Store(DocumentSettings{}, structure);
  const std::int32_t multiplier = 1000000;
  Patch(bytes, 36, &multiplier, sizeof multiplier);
  DocumentSettings settings;
  CStructure loaded;
  Load(bytes, settings, loaded);
  EXPECT_EQ(settings.FrequencyUnits, 1);

  const std::int32_t unknown = 42;
  Patch(bytes, 36, &unknown, sizeof unknown);
  DocumentSettings kept;
  kept.FrequencyUnits = 0;
  CStructure again;
  Load(bytes, kept, again);
  EXPECT_EQ(kept.FrequencyUnits, 0);
}

TEST(QlxProjectFileTest, ViaOnAMissingHeightFailsTheLoadAndLeavesNothing) {
  CStructure structure;
  MakeRichProject(structure);
  const test::TempDir scratch("quor-missing-layer-");
  const auto path = scratch.Path() / "missing_layer.qlx";
  SaveQlxProjectFile(path, DocumentSettings{}, structure);
  Bytes bytes = ReadArchiveFile(path);
  // The last via record's bottom height sits 12 + 1 + 8 bytes from the end.
  const double nowhere = 123.0;
  Patch(bytes, bytes.size() - 21, &nowhere, sizeof nowhere);
  WriteArchiveFile(path, bytes);

  DocumentSettings settings;
  settings.Units = 1;
  CStructure loaded;
  try {
    LoadQlxProjectFile(path, settings, loaded);
    FAIL() << "no exception";
  } catch (const TextError& e) {
    EXPECT_STREQ(e.Text(), "Layer does not exist");
  }
  EXPECT_EQ(loaded.GetLayerCount(), 0);
  EXPECT_EQ(settings.Units, 1);
  std::filesystem::remove(path);
  EXPECT_THROW(LoadQlxProjectFile(path, settings, loaded), ArchiveException);
}

TEST(QlxProjectFileTest, CommittedExamplesAreWhatTheModelBuilds) {
  for (ExampleProject& project : BuildExampleProjects()) {
    const Bytes built = Store(project.settings, *project.structure);
    const auto path = std::filesystem::path(QUOR_SOURCE_DIR) / "examples" / project.fileName;
    EXPECT_EQ(ReadArchiveFile(path), built) << project.fileName << ": run quor_make_examples examples";
  }
}

}  // namespace
}  // namespace quor
