#include "ui/notes/frmabout.h"

frmAbout::frmAbout(QWidget* parent) : QWidget(parent) {}
