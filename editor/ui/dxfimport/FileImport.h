// File > Import: a DXF drawing becomes a project file beside it, which is
// then opened like File > Open.
#pragma once

#include <string>

class wxDocManager;
class wxFrame;
class wxWindow;

namespace quor {

class MessageBoxes;

// Makes File > Import of the frame run OnFileImport on the application's document manager.
void BindFileImport(wxFrame& frame);

// Asks for the drawing, then imports it.
void OnFileImport(wxWindow* parent, wxDocManager& manager, MessageBoxes& messages);

// Imports the drawing at `path` through the Import DXF dialog and opens the
// project written; refusals are shown in message boxes.
void ImportDxfFile(const std::string& path, wxWindow* parent, wxDocManager& manager, MessageBoxes& messages);

}  // namespace quor
