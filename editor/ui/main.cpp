// The editor program: wx creates the application object and runs it.
#include "editor/ui/CCrtanjeApp.h"

wxIMPLEMENT_APP(quor::CCrtanjeApp);
