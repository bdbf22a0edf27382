// Reads a segmentation listing (".lst") into the viewer's plate store.
#pragma once

#include <string>

#include "viewer/PlateStore.h"

namespace quor::viewer {

enum class ListingStatus { Read = 0, CannotOpen = 1, BadData = 2 };

// Conductor indices 0..20 are valid, so a listing may hold up to 21 conductors.
constexpr int kMaxConductors = 21;
constexpr int kMaxPlatesPerGroup = 6000;
constexpr int kMaxNodesPerPlate = 50;

// On any status but Read the store is left empty.
ListingStatus read_plate_list(const std::string& path, PlateStore& store);

}  // namespace quor::viewer
