// What a document reaches outside itself: message boxes, dialogs, the main
// frame and the user's profile. The application provides one set for all
// documents; tests provide fakes.
#pragma once

namespace quor {

class DocumentDialogs;
class MainFrameLink;
class MessageBoxes;
class ProfileStore;

struct DocumentServices {
  MessageBoxes& messages;
  DocumentDialogs& dialogs;
  MainFrameLink& frame;
  ProfileStore& profile;
};

}  // namespace quor
