#pragma once

// Every file the program writes (the plan, the NEC model, the command line's
// listings) goes out through SaveFile, which writes the way Unix tools do.

#include <QByteArrayView>
#include <QString>

namespace quill::io {

// Writes `bytes` to `path` and returns what went wrong, in the system's own
// words ("No space left on device"), or an empty text.
// - "-" is standard output, and so are /dev/stdout, /dev/stderr and
//   /dev/fd/N their descriptors: the bytes go to the open descriptor.
// - An existing target that is not a regular file (a FIFO, a character
//   device) is opened and written in place, and keeps its type.
// - A symbolic link stays a link: the file it points to is written.
// - A regular file is saved safely: the bytes go to a temporary file beside
//   it that takes its place only when complete, so the new file appears
//   whole or not at all, and a failure leaves the old one as it was.
QString SaveFile(const QString& path, QByteArrayView bytes);

// Where the save dialogs start: ~/Documents (or what the desktop names so),
// or the home folder where there is none.
QString DefaultSaveFolder();

}  // namespace quill::io
