#pragma once

#include <QStringList>

#include "app/request.h"

namespace quill::app {

// Reads the command line into a Request, each option once; needs no
// QCoreApplication and no display.
//
// Without --frequency, --help (-h) and --version (-v) are answered, Qt's own
// options (qtoptions.h) are left for Qt, and any other argument is bad
// usage, so that a typo never opens the windows. With --frequency the
// program opens no window, and Qt's options, unknown ones, stray arguments,
// an option given twice and one that nothing would use are bad usage, as
// are --unit, --format, --plan or --nec without --frequency.
Request ParseCommandLine(const QStringList& arguments);

}  // namespace quill::app
