// The outcome codes a computation stage leaves in ComputeJob::Error. The
// numbers are shared with the editor's and the batch runner's message table,
// so they never change.
#pragma once

#include <cstdint>

enum class ComputeError : std::int32_t {
  None = 0,
  ProjectFileNotOpened = 1,
  BadMagic = 2,
  BadVersion = 3,
  UnitLengthNotPositive = 4,
  FootprintLengthNotPositive = 5,
  FootprintWidthNotPositive = 6,
  TooManyLayers = 7,
  LayerPolygonCount = 8,
  PermittivityNotPositive = 9,
  LayerHeightNegative = 10,
  ConductorIndexOutOfRange = 11,
  NodeCountOutOfRange = 12,
  NodeOutsideFootprint = 13,
  ZeroLengthSegment = 14,
  SelfIntersection = 15,
  PolygonsIntersect = 16,
  OutOfMemory = 17,
  ResolutionNotPositive = 18,
  RefineNotPositive = 19,
  NestedConductorIndex = 20,
  GroundMissing = 21,
  TooManyPlates = 22,
  TooManyPatches = 23,
  TooManyPatchesInListing = 24,
  ViasIntersect = 25,
  ViaShortsConductors = 26,
  ViaWithoutConductor = 27,
  ViaIntersectsPolygon = 28,
  FrequencyStartNegative = 29,
  FrequencyStopNegative = 30,
  FrequencyStepsNegative = 31,
  FrequencyUnitBelowOne = 32,
  ViaSegmentsOutOfRange = 33,
  ViaCountOutOfRange = 34,
  ViaLayerMissing = 35,
  ViaRadiusNotPositive = 36,
  SolveFailed = 38,
  OverlappingOutline = 39,
  // An output file could not be created, written or put in place; the job's
  // ErrorFileExtension says which.
  OutputFileNotWritten = 40,
  // A conductor ends the segmentation without a patch: the grid is too
  // coarse for it or no polygon of it has an area. It would take no charge,
  // and zeros would pass for its capacitance. The job's ErrorConductorIndex
  // says which.
  ConductorWithoutPatch = 41,
  // Anything that is not one of the codes above, allocation failures included.
  Internal = 100,
};
