// The editor's command ids: the ids of the original menus, toolbars and
// accelerators, moved below wx's bound of 0x7FFF by WxCommandId. The
// framework's own commands (File, the Edit clipboard, Window, Help) use wx's
// ids, which also gives them wx's document handling; the two bar toggles
// (originally 59392 and 59393) take free ids.
#pragma once

#include <wx/defs.h>

#include "editor/document/DocumentCommands.h"

namespace quor::cmd {

// File
inline constexpr int kFileNew = wxID_NEW;
inline constexpr int kFileOpen = wxID_OPEN;
inline constexpr int kFileClose = wxID_CLOSE;
inline constexpr int kFileSave = wxID_SAVE;
inline constexpr int kFileSaveAs = wxID_SAVEAS;
inline constexpr int kFileMruFile1 = wxID_FILE1;  // the recent files follow on
inline constexpr int kRecentFileCount = 4;
inline constexpr int kFileImport = WxCommandId(32888);
inline constexpr int kFileExport = quor::kIdExport;
inline constexpr int kAppExit = wxID_EXIT;

// Edit
inline constexpr int kEditUndo = quor::kIdUndo;
inline constexpr int kEditRedo = quor::kIdRedo;
inline constexpr int kEditCut = wxID_CUT;
inline constexpr int kEditCopy = wxID_COPY;
inline constexpr int kEditPaste = wxID_PASTE;
inline constexpr int kEditPasteOriginal = WxCommandId(32900);
inline constexpr int kEditDelete = WxCommandId(32881);
inline constexpr int kEditSelectAll = WxCommandId(32801);

// View
inline constexpr int kViewStandardBar = WxCommandId(32700);  // 59392 originally
inline constexpr int kViewToolsBar = WxCommandId(32856);
inline constexpr int kViewInfoBar = WxCommandId(32855);
inline constexpr int kViewComputeBar = WxCommandId(32880);
inline constexpr int kViewLayers = WxCommandId(32802);
inline constexpr int kViewProjectBar = WxCommandId(32870);
inline constexpr int kViewStatusBar = WxCommandId(32701);  // 59393 originally
inline constexpr int kViewPan = WxCommandId(32829);
inline constexpr int kViewZoom = WxCommandId(32828);
inline constexpr int kViewZoomIn = WxCommandId(32861);
inline constexpr int kViewZoomOut = WxCommandId(32862);
inline constexpr int kViewZoomAll = WxCommandId(32895);
inline constexpr int kViewShowGrid = WxCommandId(32819);
inline constexpr int kViewSnapToGrid = WxCommandId(32808);
inline constexpr int kViewRenderNormal = WxCommandId(32838);
inline constexpr int kViewRenderWireFrame = WxCommandId(32839);
inline constexpr int kView3DView = quor::kId3DView;
inline constexpr int kViewProperties = WxCommandId(32882);

// Arrange
inline constexpr int kArrangeBringToFront = WxCommandId(32903);
inline constexpr int kArrangeSendToBack = WxCommandId(32904);
inline constexpr int kArrangeSubtract = WxCommandId(32908);

// Draw and the tools
inline constexpr int kToolSelect = WxCommandId(32830);
inline constexpr int kToolPolylineNode = WxCommandId(32909);
inline constexpr int kToolPolyline = WxCommandId(32832);
inline constexpr int kToolRectangle = WxCommandId(32831);
inline constexpr int kToolVia = WxCommandId(32853);

// Project
inline constexpr int kProjectNewLayer = WxCommandId(32902);
inline constexpr int kProjectNewPolygon = WxCommandId(32860);
inline constexpr int kProjectNewVia = WxCommandId(32849);
inline constexpr int kProjectFootprint = WxCommandId(32899);
inline constexpr int kProjectMetallization = quor::kIdEditMetallization;
inline constexpr int kProjectSettings = quor::kIdSettings;

// Compute and List
inline constexpr int kComputeCheck = quor::kIdCheck;
inline constexpr int kComputeSegment = quor::kIdSegment;
inline constexpr int kComputeRun = quor::kIdRun;
inline constexpr int kComputeAutoRun = quor::kIdAutoRun;
inline constexpr int kListResults = quor::kIdListResults;
inline constexpr int kListCParameters = quor::kIdCParameters;
inline constexpr int kListCkt = quor::kIdCkt;
inline constexpr int kListYParameters = quor::kIdYParameters;

// Window and Help
inline constexpr int kWindowCascade = wxID_MDI_WINDOW_CASCADE;
inline constexpr int kWindowTile = wxID_MDI_WINDOW_TILE_HORZ;
inline constexpr int kWindowArrange = wxID_MDI_WINDOW_ARRANGE_ICONS;
inline constexpr int kHelpContents = wxID_HELP_CONTENTS;
inline constexpr int kAppAbout = wxID_ABOUT;

// Not on a menu
inline constexpr int kObjectIndex = WxCommandId(32811);
inline constexpr int kPolygonProperties = WxCommandId(32859);
inline constexpr int kViaProperties = WxCommandId(32854);
inline constexpr int kLayerDelete = WxCommandId(32857);
inline constexpr int kLayerProperties = WxCommandId(32858);
inline constexpr int kProjectBarClose = WxCommandId(32864);

}  // namespace quor::cmd
