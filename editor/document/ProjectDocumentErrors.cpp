// The message of a stage's error code, naming the layer, polygon or via that
// a failed check found and selecting it in the view.
#include <initializer_list>
#include <string>
#include <string_view>

#include "editor/document/EditingView.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/errors/ComputeErrorTable.h"
#include "editor/model/CStructure.h"
#include "platform/error/TextError.h"
#include "tessmor/ComputeError.h"

namespace quor {

namespace {

// The text with each printf placeholder (%d, %s) replaced by what `fill`
// appends for its letter.
template <class Fill>
std::string ReplacePlaceholders(std::string_view text, Fill fill) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 'd' || text[i + 1] == 's')) {
      fill(text[++i], filled);
      continue;
    }
    filled += text[i];
  }
  return filled;
}

// The placeholders replaced, in order, by the values.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string> values) {
  auto value = values.begin();
  return ReplacePlaceholders(text, [&](char, std::string& filled) {
    if (value != values.end()) filled += *value++;
  });
}

// A text whose details the stage did not give: the numbers are left out and
// the file the stage read names the place, so that no placeholder shows.
std::string FillWithoutDetails(std::string_view text, const std::string& fileRead) {
  return ReplacePlaceholders(text, [&](char letter, std::string& filled) {
    if (letter == 's') {
      filled += fileRead;
    } else if (!filled.empty() && filled.back() == ' ') {
      filled.pop_back();
    }
  });
}

std::string FileNameOf(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

// Ids from the job came from a file: the model's lookup refuses one it does not hold.
std::uint32_t AsId(std::int32_t id) {
  return static_cast<std::uint32_t>(id);
}

}  // namespace

void ProjectDocument::SelectAndShow(EditingView& view, CShape& shape, const std::string& text) {
  view.ClearSelection();
  view.AddToSelection(shape);
  view.Repaint();
  ShowMessage(text);
}

void ProjectDocument::ShowComputeError(EditingView& view, Stage stage) {
  const char* text = GetComputeErrorText(m_job.Error);
  if (m_job.Error == kOutputFileNotWritten) {
    return ShowMessage(OutputFileErrorText(GetBasePath(), m_job.ErrorFileExtension));
  }
  if (m_job.Error == kConductorWithoutPatch) {
    return ShowMessage(ConductorErrorText(m_job.ErrorConductorIndex));
  }
  // Only the check fills the details; after the other stages they mean nothing.
  if (stage != Stage::Checker) {
    const char* read = stage == Stage::Segment ? ".sg1" : ".lst";
    return ShowMessage(FillWithoutDetails(text, FileNameOf(GetBasePath() + read)));
  }
  const std::string polygonId = std::to_string(m_job.ErrorPolygonId);
  const std::string viaId = std::to_string(m_job.ErrorViaId);
  try {
    switch (static_cast<ComputeError>(m_job.Error)) {
      case ComputeError::LayerPolygonCount:
      case ComputeError::PermittivityNotPositive:
      case ComputeError::LayerHeightNegative:
        return ShowMessage(
            FillPlaceholders(text, {m_model->GetLayerByIndex(m_job.ErrorLayerIndex).GetName()}));
      case ComputeError::ConductorIndexOutOfRange:
      case ComputeError::NodeCountOutOfRange:
      case ComputeError::NodeOutsideFootprint:
      case ComputeError::ZeroLengthSegment:
      case ComputeError::SelfIntersection: {
        const CLayer& layer = m_model->GetLayerByIndex(m_job.ErrorLayerIndex);
        CShape& polygon = m_model->GetShapeByIdAtZ(layer.GetZ(), AsId(m_job.ErrorPolygonId));
        return SelectAndShow(view, polygon, FillPlaceholders(text, {polygonId, layer.GetName()}));
      }
      case ComputeError::PolygonsIntersect: {
        const CLayer& layer = m_model->GetLayerByIndex(m_job.ErrorLayerIndex);
        CShape& polygon = m_model->GetShapeByIdAtZ(layer.GetZ(), AsId(m_job.ErrorPolygonId));
        const std::string secondId = std::to_string(m_job.ErrorPolygonId2);
        return SelectAndShow(view, polygon,
                             FillPlaceholders(text, {polygonId, layer.GetName(), secondId, layer.GetName()}));
      }
      case ComputeError::NestedConductorIndex: {
        const CLayer& layer = m_model->GetLayerByIndex(m_job.ErrorLayerIndex);
        CShape& outer = m_model->GetShapeByIdAtZ(layer.GetZ(), AsId(m_job.ErrorPolygonId));
        const std::string innerId = std::to_string(m_job.ErrorPolygonId2);
        return SelectAndShow(view, outer, FillPlaceholders(text, {polygonId, innerId, layer.GetName()}));
      }
      case ComputeError::ViasIntersect:
        return SelectAndShow(view, m_model->GetViaById(AsId(m_job.ErrorViaId)), text);
      case ComputeError::ViaShortsConductors:
      case ComputeError::ViaWithoutConductor:
      case ComputeError::ViaIntersectsPolygon:
      case ComputeError::ViaLayerMissing:
      case ComputeError::ViaRadiusNotPositive:
        return SelectAndShow(view, m_model->GetViaById(AsId(m_job.ErrorViaId)),
                             FillPlaceholders(text, {viaId}));
      default:
        return ShowMessage(FillWithoutDetails(text, FileNameOf(GetProjectPath())));
    }
  } catch (const TextError& e) {
    ShowMessage(e.Text());
  }
}

}  // namespace quor
