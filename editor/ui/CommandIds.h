// The editor's command ids; those the document handles are its own. They are the menu, toolbar and
// accelerator ids of the original resources and are used as wx ids as they stand; none falls in wx's own
// range.
#pragma once

#include "editor/document/DocumentCommands.h"

namespace quor::cmd {

// File
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFileMruFile1 = 57616;  // the recent files follow on
inline constexpr int kRecentFileCount = 4;
inline constexpr int kFileImport = 32888;
inline constexpr int kFileExport = quor::kIdExport;
inline constexpr int kAppExit = 57665;

// Edit
inline constexpr int kEditUndo = quor::kIdUndo;
inline constexpr int kEditRedo = quor::kIdRedo;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditPasteOriginal = 32900;
inline constexpr int kEditDelete = 32881;
inline constexpr int kEditSelectAll = 32801;

// View
inline constexpr int kViewStandardBar = 59392;
inline constexpr int kViewToolsBar = 32856;
inline constexpr int kViewInfoBar = 32855;
inline constexpr int kViewComputeBar = 32880;
inline constexpr int kViewLayers = 32802;
inline constexpr int kViewProjectBar = 32870;
inline constexpr int kViewStatusBar = 59393;
inline constexpr int kViewPan = 32829;
inline constexpr int kViewZoom = 32828;
inline constexpr int kViewZoomIn = 32861;
inline constexpr int kViewZoomOut = 32862;
inline constexpr int kViewZoomAll = 32895;
inline constexpr int kViewShowGrid = 32819;
inline constexpr int kViewSnapToGrid = 32808;
inline constexpr int kViewRenderNormal = 32838;
inline constexpr int kViewRenderWireFrame = 32839;
inline constexpr int kView3DView = quor::kId3DView;
inline constexpr int kViewProperties = 32882;

// Arrange
inline constexpr int kArrangeBringToFront = 32903;
inline constexpr int kArrangeSendToBack = 32904;
inline constexpr int kArrangeSubtract = 32908;

// Draw and the tools
inline constexpr int kToolSelect = 32830;
inline constexpr int kToolPolylineNode = 32909;
inline constexpr int kToolPolyline = 32832;
inline constexpr int kToolRectangle = 32831;
inline constexpr int kToolVia = 32853;

// Project
inline constexpr int kProjectNewLayer = 32902;
inline constexpr int kProjectNewPolygon = 32860;
inline constexpr int kProjectNewVia = 32849;
inline constexpr int kProjectFootprint = 32899;
inline constexpr int kProjectMetallization = quor::kIdEditMetallization;
inline constexpr int kProjectSettings = quor::kIdSettings;

// Compute and List
inline constexpr int kComputeCheck = 32844;
inline constexpr int kComputeSegment = 32845;
inline constexpr int kComputeRun = quor::kIdRun;
inline constexpr int kComputeAutoRun = 32910;
inline constexpr int kListResults = quor::kIdListResults;
inline constexpr int kListCParameters = quor::kIdCParameters;
inline constexpr int kListCkt = quor::kIdCkt;
inline constexpr int kListYParameters = quor::kIdYParameters;

// Window and Help
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kWindowArrange = 57649;
inline constexpr int kHelpContents = 57670;
inline constexpr int kAppAbout = 57664;

// Not on a menu
inline constexpr int kObjectIndex = 32811;
inline constexpr int kPolygonProperties = 32859;
inline constexpr int kViaProperties = 32854;
inline constexpr int kLayerDelete = 32857;
inline constexpr int kLayerProperties = 32858;
inline constexpr int kProjectBarClose = 32864;

}  // namespace quor::cmd
