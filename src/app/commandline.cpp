#include "app/commandline.h"

#include <QCommandLineParser>
#include <cstdio>

#include "app/version.h"

namespace quill::app {
namespace {

const QString kProgram = QStringLiteral("quillcalc");

}  // namespace

std::optional<QString> CommandLineReply(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-reverse" and "-platformtheme" are single words, not bundles of
  // short options that would contain -v or -h.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Works out the element lengths and boom spacings of a Quillbeam antenna.\n"
                     "Type the frequency in MHz into the main window and press INCHES or CM.\n"
                     "See quillcalc(1) for the windows, the exit statuses and the environment."));
  // Not addHelpOption(): its --help-all lists Qt's options, which only
  // QCoreApplication::process() can print.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Shows this help and exits."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Shows the version and exits."));
  parser.addOption(help);
  parser.addOption(version);
  // Unknown options make parse() return false, but the known ones are still
  // recognised; the program ignores the rest.
  parser.parse(arguments);

  if (parser.isSet(help)) {
    // Without a QCoreApplication the usage line names "<executable_name>";
    // it names the installed command instead.
    QString text = parser.helpText();
    const qsizetype endOfUsage = text.indexOf(QLatin1Char('\n'));
    return QStringLiteral("Usage: %1 [options]").arg(kProgram) + text.mid(endOfUsage);
  }
  if (parser.isSet(version))
    return QStringLiteral("%1 %2\n").arg(kProgram, QStringLiteral(QUILLCALC_VERSION));
  return std::nullopt;
}

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const std::optional<QString> reply = CommandLineReply(arguments);
  if (!reply) return std::nullopt;
  std::fputs(reply->toLocal8Bit().constData(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace quill::app
