#include "app/commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

#include "app/version.h"
#include "calc/results.h"
#include "ui/common/forms.h"
#include "ui/main/dimension_names.h"
#include "ui/main/plan.h"

namespace quill::app {
namespace {

const QString kProgram = QStringLiteral("quillcalc");

enum Status { kDone = 0, kOutputFailed = 1, kBadUsage = 2, kCalculationFailed = 3 };

// Every option the program knows, in the order --help lists them. A new
// option is one member here and one entry in all(); if it only makes sense
// with --frequency, also one in calculationOnly().
struct Options {
  QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Shows this help and exits.")};
  QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                             QStringLiteral("Shows the version and exits.")};
  QCommandLineOption frequency{
      QStringLiteral("frequency"),
      QStringLiteral("Calculates for TEXT MHz without opening a window; read like the frequency box, "
                     "with \".\" as the decimal point."),
      QStringLiteral("TEXT")};
  QCommandLineOption unit{QStringLiteral("unit"),
                          QStringLiteral("The unit of the results: in (default) or cm."),
                          QStringLiteral("in|cm")};
  QCommandLineOption format{QStringLiteral("format"),
                            QStringLiteral("How the results are printed: text (default), csv or json."),
                            QStringLiteral("text|csv|json")};
  QCommandLineOption plan{QStringLiteral("plan"),
                          QStringLiteral("Writes the one-page plan as a PDF file instead of printing the "
                                         "results (add --format to print them too)."),
                          QStringLiteral("FILE.pdf")};
  QCommandLineOption nec{QStringLiteral("nec"),
                         QStringLiteral("Writes an NEC-2 model of the antenna (a card deck for nec2c, xnec2c "
                                        "and other modellers) instead of printing the results."),
                         QStringLiteral("FILE.nec")};
  QCommandLineOption diameter{
      QStringLiteral("diameter"),
      QStringLiteral("The model's tube diameter in millimetres (default: 6 mm at 146 MHz, scaled with the "
                     "wavelength)."),
      QStringLiteral("MM")};
  QCommandLineOption model{
      QStringLiteral("model"),
      QStringLiteral("Runs the NEC-2 model in nec2c and prints what the antenna will do: "
                     "feed impedance, SWR on 50 ohms, gain and front-to-back ratio.")};
  QCommandLineOption elements{QStringLiteral("elements"),
                              QStringLiteral("The model's number of elements, 3 (default) to 10."),
                              QStringLiteral("N")};

  QList<QCommandLineOption> all() const {
    return {help, version, frequency, unit, format, plan, nec, model, diameter, elements};
  }
  QList<const QCommandLineOption*> calculationOnly() const {
    return {&unit, &format, &plan, &nec, &model, &diameter, &elements};
  }
  QList<const QCommandLineOption*> necOnly() const { return {&diameter, &elements}; }
};

QString helpText(QCommandLineParser& parser) {
  // Without a QCoreApplication the usage line names "<executable_name>";
  // it names the installed command instead.
  QString text = parser.helpText();
  const qsizetype endOfUsage = text.indexOf(QLatin1Char('\n'));
  return QStringLiteral("Usage: %1 [options]").arg(kProgram) + text.mid(endOfUsage) +
         QStringLiteral(
             "\nExamples:\n"
             "  quillcalc --frequency 146\n"
             "  quillcalc --frequency 432.1 --unit cm --format json\n"
             "  quillcalc --frequency 146 --plan quillbeam-146.pdf\n"
             "  quillcalc --frequency 146 --nec beam.nec --diameter 6\n");
}

Request badUsage(const QString& problem) {
  Request request;
  request.action = Request::Action::BadUsage;
  request.problem = problem;
  return request;
}

// --frequency TEXT [--unit in|cm] [--format text|csv|json] [--plan FILE]
Request calculationRequest(const QCommandLineParser& parser, const Options& options, bool parsed) {
  if (!parsed && parser.unknownOptionNames().isEmpty())
    return badUsage(parser.errorText());  // a missing value
  if (!parser.unknownOptionNames().isEmpty())
    return badUsage(QStringLiteral("unknown option '%1'").arg(parser.unknownOptionNames().first()));
  if (!parser.positionalArguments().isEmpty())
    return badUsage(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
  Request request;
  request.action = Request::Action::Calculate;
  request.frequency = parser.value(options.frequency);
  if (parser.isSet(options.unit)) {
    const QString unit = parser.value(options.unit);
    if (unit == QLatin1String("cm")) {
      request.unit = Unit::Centimetres;
    } else if (unit != QLatin1String("in")) {
      return badUsage(QStringLiteral("unknown unit '%1' (use in or cm)").arg(unit));
    }
  }
  if (parser.isSet(options.format)) {
    const QString format = parser.value(options.format);
    if (format == QLatin1String("csv")) {
      request.format = Request::Format::Csv;
    } else if (format == QLatin1String("json")) {
      request.format = Request::Format::Json;
    } else if (format != QLatin1String("text")) {
      return badUsage(QStringLiteral("unknown format '%1' (use text, csv or json)").arg(format));
    }
  }
  if (parser.isSet(options.plan)) {
    request.planFile = parser.value(options.plan);
    if (request.planFile.isEmpty()) return badUsage(QStringLiteral("--plan needs a file name"));
  }
  if (parser.isSet(options.model)) {
    if (parser.isSet(options.nec) || parser.isSet(options.plan) || parser.isSet(options.unit))
      return badUsage(QStringLiteral("--model takes no --nec, --plan or --unit"));
    auto value = [&parser](const QCommandLineOption& o) {
      return parser.isSet(o) ? std::optional(parser.value(o)) : std::nullopt;
    };
    request.model = ModelCommand{request.frequency, value(options.diameter), value(options.elements),
                                 parser.value(options.format)};
  } else if (parser.isSet(options.nec)) {
    NecCommand nec{request.frequency, parser.value(options.nec), std::nullopt, std::nullopt};
    if (nec.file.isEmpty()) return badUsage(QStringLiteral("--nec needs a file name"));
    if (parser.isSet(options.diameter)) nec.diameter = parser.value(options.diameter);
    if (parser.isSet(options.elements)) nec.elements = parser.value(options.elements);
    request.nec = nec;
  } else {
    for (const QCommandLineOption* option : options.necOnly()) {
      if (parser.isSet(*option))
        return badUsage(QStringLiteral("--%1 needs --nec or --model").arg(option->names().constLast()));
    }
  }
  request.printResults = (request.planFile.isEmpty() && !request.nec) || parser.isSet(options.format);
  return request;
}

std::string listing(const Request& request, const ResultList& list) {
  switch (request.format) {
    case Request::Format::Csv:
      return ResultsAsCsv(list);
    case Request::Format::Json:
      return ResultsAsJson(list);
    case Request::Format::Text:
      break;
  }
  return ResultsAsText(list);
}

// The plan needs fonts and a paint engine, which need a QGuiApplication; the
// offscreen platform gives one without any display, so it works over ssh.
QString writePlan(const Request& request, float frequencyMHz) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Over ssh there is often no XDG_RUNTIME_DIR; the plan needs none, and a
  // script should not hear about it.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
          previous(type, context, message);
      });
  static int argc = 1;
  static char name[] = "quillcalc";
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  application.setApplicationName(kProgram);
  application.setApplicationVersion(QStringLiteral(QUILLCALC_VERSION));
  ui::installFontSubstitutes();
  ui::Plan plan;
  if (const auto error = ui::MakePlan(frequencyMHz, request.unit, QLocale(), plan))
    return QString::fromStdString(error->description);
  return ui::WritePlanPdf(plan, request.planFile, QLocale());
}

int calculate(const Request& request) {
  if (request.model) return RunModelCommand(*request.model);
  // The model checks its own options first, then the frequency.
  if (request.nec) {
    if (const int status = RunNecCommand(*request.nec); status != kDone) return status;
  }
  DesignValues record;
  const Calculation calculation = Calculate(record, request.frequency.toStdString(), request.unit);
  // The other unit's plan column is worked out too; it must not fail where
  // this one passed (an overflow in centimetres only).
  DesignValues other;
  std::optional<RunTimeError> error = calculation.error;
  if (!error && !request.planFile.isEmpty())
    error = CalculateFrequency(other, record.FrequencyMHz,
                               request.unit == Unit::Inches ? Unit::Centimetres : Unit::Inches)
                .error;
  if (error) {
    std::fprintf(stderr, "Run-time error '%d': %s\n", error->number, error->description.c_str());
    return kCalculationFailed;
  }
  if (!request.planFile.isEmpty()) {
    const QString problem = writePlan(request, record.FrequencyMHz);
    if (!problem.isEmpty()) {
      std::fprintf(stderr, "%s: cannot write %s: %s\n", qPrintable(kProgram), qPrintable(request.planFile),
                   qPrintable(problem));
      return kOutputFailed;
    }
  }
  if (request.printResults) {
    const std::string text =
        listing(request, ListResults(record, request.unit, calculation, ui::form1::dimensionNames()));
    if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) return kOutputFailed;
  }
  return kDone;
}

}  // namespace

Request ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // "-reverse" and "-platformtheme" are single words, not bundles of
  // short options that would contain -v or -h.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      QStringLiteral("Works out the element lengths and boom spacings of a Quillbeam antenna.\n"
                     "Type the frequency in MHz into the main window and press INCHES or CM.\n"
                     "Right-click the drawing, or press Ctrl+Shift+C, Ctrl+P or Ctrl+S, to copy the\n"
                     "results, print the plan, save it as PDF or export an NEC-2 model.\n"
                     "With --frequency it opens no window and needs no display: it prints the results\n"
                     "or writes the plan or the NEC-2 model, then exits with 0, 1 (an output could not\n"
                     "be written), 2 (bad usage, or a model that cannot be made) or 3 (the frequency\n"
                     "cannot be calculated).\n"
                     "See quillcalc(1) for the windows, the exit statuses and the environment."));
  // Not addHelpOption(): its --help-all lists Qt's options, which only
  // QCoreApplication::process() can print.
  const Options options;
  parser.addOptions(options.all());
  // Unknown options make parse() return false, but the known ones are still
  // recognised.
  const bool parsed = parser.parse(arguments);

  if (parser.isSet(options.help)) {
    Request request;
    request.action = Request::Action::Help;
    request.reply = helpText(parser);
    return request;
  }
  if (parser.isSet(options.version)) {
    Request request;
    request.action = Request::Action::Version;
    request.reply = QStringLiteral("%1 %2\n").arg(kProgram, QStringLiteral(QUILLCALC_VERSION));
    return request;
  }
  if (parser.isSet(options.frequency)) return calculationRequest(parser, options, parsed);
  for (const QCommandLineOption* option : options.calculationOnly()) {
    if (parser.isSet(*option))
      return badUsage(QStringLiteral("--%1 needs --frequency").arg(option->names().constLast()));
  }
  // An option of ours without its value ("--frequency" at the end).
  if (!parsed && parser.unknownOptionNames().isEmpty()) return badUsage(parser.errorText());
  return {};
}

std::optional<QString> CommandLineReply(const QStringList& arguments) {
  const Request request = ParseCommandLine(arguments);
  if (request.action == Request::Action::Help || request.action == Request::Action::Version)
    return request.reply;
  return std::nullopt;
}

std::optional<int> HandleCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  arguments.reserve(argc);
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const Request request = ParseCommandLine(arguments);
  switch (request.action) {
    case Request::Action::Windows:
      return std::nullopt;
    case Request::Action::Help:
    case Request::Action::Version:
      std::fputs(request.reply.toLocal8Bit().constData(), stdout);
      return std::fflush(stdout) == 0 ? kDone : kOutputFailed;
    case Request::Action::BadUsage:
      std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(kProgram),
                   qPrintable(request.problem), qPrintable(kProgram));
      return kBadUsage;
    case Request::Action::Calculate:
      return calculate(request);
  }
  return std::nullopt;
}

}  // namespace quill::app
