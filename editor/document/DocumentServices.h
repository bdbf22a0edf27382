// What a document reaches outside itself: message boxes, dialogs, the main
// frame, the user's profile and what the compute road needs. The application
// provides one set for all documents; tests provide fakes.
#pragma once

namespace quor {

class DocumentDialogs;
class MainFrameLink;
class MessageBoxes;
class ProfileStore;
struct ComputeServices;

struct DocumentServices {
  MessageBoxes& messages;
  DocumentDialogs& dialogs;
  MainFrameLink& frame;
  ProfileStore& profile;
  // Null where no compute command can be given (tests of the other
  // operations); the editor always provides it.
  ComputeServices* compute = nullptr;
};

}  // namespace quor
