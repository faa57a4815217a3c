#include "io/measurementfile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace quill::io {

MeasurementFile ReadMeasurementFile(const QString& path, const QString& shownName) {
  MeasurementFile read;
  const std::string name = shownName.toStdString();
  auto says = [&](const char* what) {
    read.problem = shownName + QStringLiteral(": ") + QString::fromLocal8Bit(what);
    return read;
  };
  if (QFileInfo(path).isDir()) return says(std::strerror(EISDIR));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    const QFileInfo info(path);
    return says(std::strerror(!info.exists() ? ENOENT : !info.isReadable() ? EACCES : EIO));
  }
  const QByteArray bytes = file.read(qint64(touchstone::kMostBytes) + 1);
  if (file.error() != QFile::NoError) return says(std::strerror(EIO));
  const touchstone::Reading reading =
      touchstone::Read(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                       touchstone::PortsOfFileName(QFileInfo(path).fileName().toStdString()));
  if (!reading.measurement) {
    read.problem = QString::fromStdString(touchstone::Describe(reading.problem, name));
    return read;
  }
  read.measurement = reading.measurement;
  return read;
}

}  // namespace quill::io
