#pragma once

// The program's windows: one instance of each, created on first use. Closing
// a window deletes it; the next request builds it afresh.

class Form1;
class frmAbout;
class web;
namespace quill::ui {
class ModelWindow;
}

namespace quill::app {

Form1* ShowMainWindow();
// Shows the notes or web link window modeless and without an owner; if it is
// already open it is brought to the front instead of opening a second one.
frmAbout* ShowNotesWindow();
web* ShowWebLinkWindow();
// The model window, following `form`'s calculations: one instance, without
// an owner, like the notes.
ui::ModelWindow* ShowModelWindow(Form1* form);

// The open instances, or nullptr.
Form1* MainWindow();
frmAbout* NotesWindow();
web* WebLinkWindow();
ui::ModelWindow* ModelWindow();

}  // namespace quill::app
