// Polygon subtraction: an outer and an inner conductor polygon become one
// polygon with a hole, through the computation library's Subtract.
#include <vector>

#include "editor/document/CSolverLibrary.h"
#include "editor/document/ComputeServices.h"
#include "editor/document/DocumentServices.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/errors/ComputeErrorTable.h"
#include "editor/model/CStructure.h"
#include "platform/error/TextError.h"
#include "tessmor/ComputeError.h"
#include "tessmor/PatchError.h"
#include "tessmor/Polygon.h"

namespace quor {

namespace {

constexpr std::int32_t kMaxResultNodes = 200;
constexpr const char* kNodeCountText = "Number of nodes is less than 1 or greater than 200";
// Points closer than this part of the footprint diagonal coincide.
constexpr double kToleranceFactor = 0.0001;

// The library's polygon of a node path, every flag 0.
::Polygon LibraryPolygon(const CConductorPolygon& polygon) {
  std::vector<Point3> vertices;
  for (const Point3& node : polygon.GetNodes()) vertices.push_back(node);
  return ::Polygon(vertices);
}

// A closed polygon of the conductor through the library's nodes.
std::unique_ptr<CConductorPolygon> ConductorPolygon(std::uint32_t conductorIndex,
                                                    const std::vector<Point3>& nodes) {
  auto polygon = std::make_unique<CConductorPolygon>();
  polygon->conductorIndex = conductorIndex;
  for (const Point3& node : nodes) polygon->AddNode(node);
  polygon->SetClosed(true);
  return polygon;
}

}  // namespace

void ProjectDocument::SubtractPolygons(const std::vector<CShape*>& objects) {
  if (objects.size() != 2) return;
  auto* outer = dynamic_cast<CConductorPolygon*>(objects[0]);
  auto* inner = dynamic_cast<CConductorPolygon*>(objects[1]);
  if (outer == nullptr || inner == nullptr) return;
  try {
    if (outer->conductorIndex != inner->conductorIndex) {
      return ShowMessage("Outer and inner polygon have different conductor indices");
    }
    const ::Polygon a = LibraryPolygon(*outer);
    const ::Polygon b = LibraryPolygon(*inner);
    // The keyhole runs once around each outline and twice along the cut
    // between them: room for that, whatever the inputs' sizes.
    std::int32_t count = a.Count() + b.Count() + 2;
    std::vector<Point3> nodes(static_cast<std::size_t>(count));
    const int result =
        Compute().library.Subtract(&a, &b, nodes.data(), &count, kToleranceFactor * GetFootprintDiagonal());
    switch (static_cast<SubtractResult>(result)) {
      case SubtractResult::PartialOverlap:
        return ShowMessage("Error: polygons intersect");
      case SubtractResult::Disjoint:
        return ShowMessage("Error: there is no intersection between polygons");
      case SubtractResult::OutputTooSmall:
        return ShowMessage(kNodeCountText);
      case SubtractResult::Done:
        break;
      default:
        return;
    }
    if (count < 1 || count > kMaxResultNodes) return ShowMessage(kNodeCountText);
    nodes.resize(static_cast<std::size_t>(count));
    // A hole leaves the conductor what it was.
    std::unique_ptr<CConductorPolygon> subtracted = ConductorPolygon(outer->conductorIndex, nodes);
    HintObjectAtZ payload{subtracted->GetZ(), nullptr};
    // Refused here, before either input is taken off its layer.
    m_model->FindLayerByZ(payload.z);
    // Kept until the change has told every window that the inputs are gone,
    // which it does after the hint of the new polygon.
    std::unique_ptr<CConductorPolygon> removedOuter;
    std::unique_ptr<CConductorPolygon> removedInner;
    RunChange(Commit::UndoFirst, Delivery::ViewsAndFrame, [&]() -> Hint {
      removedOuter = m_model->RemoveShapeAtZ(outer->GetZ(), outer);
      removedInner = m_model->RemoveShapeAtZ(inner->GetZ(), inner);
      payload.object = &m_model->AddNewShapeAtZ(payload.z, std::move(subtracted));
      return Hint::AddObjectAt(payload);
    });
  } catch (const TextError& e) {
    ShowMessage(e.Text());
  } catch (patch::errorPatch) {
    ShowMessage(GetComputeErrorText(static_cast<int>(ComputeError::OutOfMemory)));
  }
}

}  // namespace quor
