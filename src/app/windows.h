#pragma once

// The program's windows: one instance of each, created on first use. Closing
// a window deletes it; the next request builds it afresh.

class Form1;
class frmAbout;
class web;

namespace quill::app {

Form1* ShowMainWindow();
// Shows the notes or web link window modeless and without an owner; if it is
// already open it is brought to the front instead of opening a second one.
frmAbout* ShowNotesWindow();
web* ShowWebLinkWindow();

// The open instances, or nullptr.
Form1* MainWindow();
frmAbout* NotesWindow();
web* WebLinkWindow();

}  // namespace quill::app
