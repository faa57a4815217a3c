#include "io/savefile.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>

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
QString writeInPlace(const QByteArray& name, QByteArrayView bytes, int flags = 0) {
  const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | flags);
  if (fd < 0) return reason(errno);
  QString problem = writeAll(fd, bytes);
  if (::close(fd) != 0 && problem.isEmpty() && errno != EINTR) problem = reason(errno);
  return problem;
}

// The descriptors open when the program started. Standard input, output
// and error closed then are given /dev/null at once, so that no file the
// program opens later takes their numbers and receives what is meant for
// them; a write to them still says they were closed.
struct StartDescriptors {
  std::set<int> open;
  StartDescriptors() {
    for (int fd = 0; fd <= 2; ++fd) {
      if (::fcntl(fd, F_GETFD) >= 0) {
        open.insert(fd);
      } else if (const int null = ::open("/dev/null", O_RDWR); null >= 0 && null != fd) {
        ::dup2(null, fd);
        ::close(null);
      }
    }
    if (DIR* folder = ::opendir("/proc/self/fd")) {
      while (const dirent* entry = ::readdir(folder)) {
        const int fd = std::atoi(entry->d_name);
        if (fd > 2 && fd != ::dirfd(folder)) open.insert(fd);
      }
      ::closedir(folder);
    }
  }
};
const StartDescriptors startDescriptors;

QString notOpen(int fd) {
  if (fd == 1) return QStringLiteral("standard output is closed");
  if (fd == 2) return QStringLiteral("standard error is closed");
  return QStringLiteral("descriptor %1 is not open").arg(fd);
}

// The file name as the system has it. A name given on the command line that
// is not valid UTF-8 reached the program with its odd bytes replaced; its
// bytes are taken back from the command line, so that the file of that very
// name is written.
QByteArray nativeName(const QString& path) {
  if (!path.contains(QChar::ReplacementCharacter)) return QFile::encodeName(path);
  QFile line(QStringLiteral("/proc/self/cmdline"));
  if (line.open(QIODevice::ReadOnly)) {
    for (const QByteArray& argument : line.readAll().split('\0')) {
      if (QFile::decodeName(argument) == path) return argument;
      const qsizetype equals = argument.indexOf('=');
      if (equals >= 0 && QFile::decodeName(argument.mid(equals + 1)) == path) return argument.mid(equals + 1);
    }
  }
  return QFile::encodeName(path);
}

QByteArray folderOf(const QByteArray& name) {
  const qsizetype slash = name.lastIndexOf('/');
  return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

// Where a chain of symbolic links ends: the file to write.
std::optional<QByteArray> linkTarget(QByteArray name) {
  for (int depth = 0; depth <= kMostLinks; ++depth) {
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) return name;
    QByteArray target(PATH_MAX, '\0');
    const ssize_t size = ::readlink(name.constData(), target.data(), std::size_t(target.size()));
    if (size < 0) return name;
    target.resize(size);
    name = target.startsWith('/') ? target : folderOf(name) + '/' + target;
  }
  return std::nullopt;
}

// Why a regular file at `target` cannot be replaced, or where a new one
// cannot be made, as the system puts it; checked first so that the message
// is the system's, not the temporary file's.
QString whyNotWritable(const QByteArray& target, bool exists) {
  if (exists) return ::access(target.constData(), W_OK) == 0 ? QString() : reason(errno);
  const QByteArray folder = folderOf(target);
  struct stat status {};
  if (::stat(folder.constData(), &status) != 0) return reason(errno);
  if (!S_ISDIR(status.st_mode)) return reason(ENOTDIR);
  return ::access(folder.constData(), W_OK | X_OK) == 0 ? QString() : reason(errno);
}

// The new file takes the old one's owner, group and permissions, as far as
// the process may set them; a new file gets those the umask allows.
void likeTheOld(int fd, const std::optional<struct stat>& old) {
  if (!old) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return;
  }
  // Another owner needs root, another group membership of it.
  if (::fchown(fd, old->st_uid, old->st_gid) != 0 && ::fchown(fd, uid_t(-1), old->st_gid) != 0) {
    // the file stays the process's own, as a new one would be
  }
  ::fchmod(fd, old->st_mode & 07777);
}

// A regular file, or none yet: through a temporary file beside it that
// replaces it only when complete and on disk. A link stays a link; its
// target is replaced. Where no file can be made or renamed there (a
// read-only folder, another's file in a sticky one), a file the process may
// write is written in place, as `cat > path` would.
QString saveSafely(const QByteArray& path, QByteArrayView bytes) {
  const std::optional<QByteArray> target = linkTarget(path);
  if (!target) return reason(ELOOP);
  std::optional<struct stat> old;
  if (struct stat status{}; ::stat(target->constData(), &status) == 0) old = status;
  if (const QString problem = whyNotWritable(*target, old.has_value()); !problem.isEmpty()) return problem;
  const qsizetype slash = target->lastIndexOf('/');
  QByteArray temporary = folderOf(*target) + "/." + target->mid(slash + 1) + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return old ? writeInPlace(*target, bytes, O_TRUNC) : reason(errno);
  likeTheOld(fd, old);
  QString problem = writeAll(fd, bytes);
  if (problem.isEmpty() && ::fsync(fd) != 0) problem = reason(errno);
  if (::close(fd) != 0 && problem.isEmpty() && errno != EINTR) problem = reason(errno);
  if (problem.isEmpty() && ::rename(temporary.constData(), target->constData()) == 0) return {};
  const int renameError = errno;
  ::unlink(temporary.constData());
  if (!problem.isEmpty()) return problem;
  if (old && (renameError == EPERM || renameError == EACCES)) return writeInPlace(*target, bytes, O_TRUNC);
  return reason(renameError);
}

}  // namespace

QString SaveFile(const QString& path, QByteArrayView bytes) {
  if (path.isEmpty()) return reason(ENOENT);
  if (const std::optional<int> fd = namedDescriptor(path)) {
    if (!startDescriptors.open.count(*fd)) return notOpen(*fd);
    const int flags = ::fcntl(*fd, F_GETFL);
    if (flags >= 0 && (flags & O_ACCMODE) != O_RDONLY) return writeAll(*fd, bytes);
    if (flags < 0) return notOpen(*fd);
    if (path == QLatin1String("-")) return reason(EBADF);  // open for reading only
  }
  const QByteArray name = nativeName(path);
  struct stat status {};
  if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
    if (S_ISDIR(status.st_mode)) return reason(EISDIR);
    return writeInPlace(name, bytes);
  }
  return saveSafely(name, bytes);
}

QString DefaultSaveFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace quill::io
