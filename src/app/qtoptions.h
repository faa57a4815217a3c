#pragma once

#include <QStringList>

namespace quill::app {

// Qt's own command-line options, those QGuiApplication and QApplication
// document (and the X11 ones Qt's xcb platform still reads), which Qt takes
// out of the arguments when the windows start: "-platform xcb", "-reverse",
// "-style=Fusion", "--display :1", ...
//
// How many arguments, from arguments[index] on, are one of Qt's options
// with its value: 1 for a flag or "-style=value", 2 for "-option value", 0
// if arguments[index] is not one of Qt's. A value-taking option as the last
// argument counts 1: Qt ignores it there.
qsizetype QtOptionLength(const QStringList& arguments, qsizetype index);

}  // namespace quill::app
