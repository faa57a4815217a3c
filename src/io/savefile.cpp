#include "io/savefile.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <optional>

namespace quill::io {
namespace {

// Symbolic links within links: as many as the kernel follows.
constexpr int kMostLinks = 40;

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The open descriptor that `path` names: "-" and /dev/stdout are 1,
// /dev/stderr 2, /dev/fd/N and /proc/self/fd/N are N. Writing to it
// directly keeps what the shell set up (appending, a pipe, a socket, which
// could not be opened again by name).
std::optional<int> namedDescriptor(const QString& path) {
  if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout")) return 1;
  if (path == QLatin1String("/dev/stderr")) return 2;
  for (const QLatin1String prefix : {QLatin1String("/dev/fd/"), QLatin1String("/proc/self/fd/")}) {
    if (!path.startsWith(prefix)) continue;
    bool ok = false;
    const int fd = path.mid(prefix.size()).toInt(&ok);
    if (ok && fd >= 0) return fd;
  }
  return std::nullopt;
}

// Writes everything, through interrupted and partial writes, and waits
// where a descriptor inherited as non-blocking has no room yet.
QString writeAll(int fd, QByteArrayView bytes) {
  const char* data = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, std::size_t(left));
    if (written >= 0) {
      data += written;
      left -= written;
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      pollfd ready{fd, POLLOUT, 0};
      ::poll(&ready, 1, -1);
    } else if (errno != EINTR) {
      return reason(errno);
    }
  }
  return {};
}

// A FIFO, a device or anything else that is not a regular file: written
// where it is, as `cat > path` would.
QString writeInPlace(const QByteArray& name, QByteArrayView bytes) {
  const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return reason(errno);
  QString problem = writeAll(fd, bytes);
  if (::close(fd) != 0 && problem.isEmpty() && errno != EINTR) problem = reason(errno);
  return problem;
}

// Why a regular file at `target` cannot be replaced, or where a new one
// cannot be made, as the system puts it; checked first so that the message
// is the system's, not the temporary file's.
QString whyNotWritable(const QFileInfo& target) {
  const QByteArray name = QFile::encodeName(target.absoluteFilePath());
  if (target.exists()) return ::access(name.constData(), W_OK) == 0 ? QString() : reason(errno);
  const QByteArray folder = QFile::encodeName(target.absolutePath());
  struct stat status {};
  if (::stat(folder.constData(), &status) != 0) return reason(errno);
  if (!S_ISDIR(status.st_mode)) return reason(ENOTDIR);
  return ::access(folder.constData(), W_OK | X_OK) == 0 ? QString() : reason(errno);
}

// A regular file, or none yet: through a temporary file that replaces the
// target only when complete. A link stays a link; its target is replaced.
QString saveSafely(const QString& path, QByteArrayView bytes) {
  QFileInfo target(path);
  for (int depth = 0; target.isSymLink() && depth < kMostLinks; ++depth)
    target.setFile(target.symLinkTarget());
  if (target.isSymLink()) return reason(ELOOP);
  if (const QString problem = whyNotWritable(target); !problem.isEmpty()) return problem;
  QSaveFile file(target.absoluteFilePath());
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
    const QString problem = file.errorString();
    file.cancelWriting();
    return problem;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace

QString SaveFile(const QString& path, QByteArrayView bytes) {
  if (path.isEmpty()) return reason(ENOENT);
  if (const std::optional<int> fd = namedDescriptor(path)) {
    const int flags = ::fcntl(*fd, F_GETFL);
    if (flags >= 0 && (flags & O_ACCMODE) != O_RDONLY) return writeAll(*fd, bytes);
    if (path == QLatin1String("-")) return reason(EBADF);  // closed, or open for reading only
  }
  const QByteArray name = QFile::encodeName(path);
  struct stat status {};
  if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
    if (S_ISDIR(status.st_mode)) return reason(EISDIR);
    return writeInPlace(name, bytes);
  }
  return saveSafely(path, bytes);
}

QString DefaultSaveFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace quill::io
