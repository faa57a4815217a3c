#include "ui/common/ondemand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <QtGlobal>

namespace quill::ui {
namespace {

constexpr char kModuleName[] = "quillcalc-ondemand.so";

struct Opened {
  const OnDemandParts* parts = nullptr;
  QString why;
};

Opened open() {
  // Linked in (the tests): nothing to open.
  if (quillcalc_ondemand_parts) return {quillcalc_ondemand_parts(), {}};
  const QString folder = QCoreApplication::applicationDirPath();
  const QStringList candidates = {
      QDir::cleanPath(folder + QStringLiteral("/" QUILLCALC_ONDEMAND_DIR "/") + QLatin1String(kModuleName)),
      QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(kModuleName))};
  QString why;
  for (const QString& path : candidates) {
    if (!QFileInfo::exists(path)) continue;
    QLibrary module(path);
    using Entry = const OnDemandParts* (*)();
    const auto entry = reinterpret_cast<Entry>(module.resolve("quillcalc_ondemand_parts"));
    if (!entry) {
      why =
          QCoreApplication::translate("OnDemand", "%1 cannot be opened: %2").arg(path, module.errorString());
      continue;
    }
    const OnDemandParts* parts = entry();
    if (parts->version != kOnDemandVersion) {
      why = QCoreApplication::translate("OnDemand", "%1 belongs to another build of quillcalc").arg(path);
      continue;
    }
    return {parts, {}};  // the module stays open for the program's lifetime
  }
  if (why.isEmpty()) {
    why = QCoreApplication::translate("OnDemand", "%1 is not installed in %2")
              .arg(QLatin1String(kModuleName),
                   QDir::toNativeSeparators(candidates.first().section(QLatin1Char('/'), 0, -2)));
  }
  return {nullptr, why};
}

}  // namespace

const OnDemandParts* LoadOnDemandParts(QString* why) {
  static const Opened opened = open();
  if (why) *why = opened.why;
  return opened.parts;
}

std::unique_ptr<VectorDrawing> ReadDrawing(const QString& path) {
  QString why;
  const OnDemandParts* parts = LoadOnDemandParts(&why);
  if (!parts) {
    static const bool said = [&why] {
      qWarning("quillcalc: drawings cannot be shown: %s", qPrintable(why));
      return true;
    }();
    (void)said;
    return nullptr;
  }
  return parts->readDrawing(path);
}

}  // namespace quill::ui
