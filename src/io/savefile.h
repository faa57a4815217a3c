#pragma once

// Every file the program writes (the plan, the NEC model, the command line's
// listings) goes out through SaveFile, which writes the way Unix tools do.

#include <QByteArrayView>
#include <QString>

namespace quill::io {

// Writes `bytes` to `path` and returns what went wrong, in the system's own
// words ("No space left on device"), or an empty text.
// - "-" is standard output, and so are /dev/stdout, /dev/stderr and
//   /dev/fd/N their descriptors: the bytes go to the open descriptor, and
//   one that was not open when the program started is named so ("standard
//   output is closed", "descriptor 3 is not open").
// - A name from the command line that is not valid UTF-8 is the file of
//   those very bytes.
// - An existing target that is not a regular file (a FIFO, a character
//   device) is opened and written in place, and keeps its type.
// - A symbolic link stays a link: the file it points to is written.
// - A regular file is saved safely: the bytes go to a temporary file beside
//   it that takes its place, with its owner, group and permissions, only
//   when complete and on disk, so the new file appears whole or not at all,
//   and a failure (a full disk) leaves the old one as it was. Where no file
//   can replace it (a read-only folder, another's file in a sticky one), a
//   file the process may write is written in place.
QString SaveFile(const QString& path, QByteArrayView bytes);

// Where the save dialogs start: ~/Documents (or what the desktop names so),
// or the home folder where there is none.
QString DefaultSaveFolder();

}  // namespace quill::io
