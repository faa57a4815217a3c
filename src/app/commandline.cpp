#include "app/commandline.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLocale>
#include <cstdlib>

#include "app/errors.h"
#include "app/exitstatus.h"
#include "app/frequencytext.h"
#include "app/qtoptions.h"
#include "app/version.h"
#include "calc/format.h"
#include "calc/necmodel.h"
#include "calc/results.h"
#include "io/savefile.h"
#include "ui/common/forms.h"
#include "ui/main/dimension_names.h"
#include "ui/main/plan.h"

namespace quill::app {
namespace {

const QString kProgram = QStringLiteral(QUILLCALC_NAME);

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
      QStringLiteral("Calculates for TEXT MHz without opening a window. TEXT is one number, read as the "
                     "frequency box reads it in your locale (its digits and decimal separator, or 0-9 "
                     "and \".\"), optionally followed by MHz."),
      QStringLiteral("TEXT")};
  QCommandLineOption unit{QStringLiteral("unit"),
                          QStringLiteral("The unit of the results: in (default) or cm, in any case."),
                          QStringLiteral("in|cm")};
  QCommandLineOption format{
      QStringLiteral("format"),
      QStringLiteral("How the results are printed: text (default), csv or json, in any case."),
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
      QStringLiteral("The model's tube diameter in millimetres, with the locale's decimal separator or "
                     "\".\" (default: 6 mm at 146 MHz, scaled with the wavelength)."),
      QStringLiteral("MM")};
  QCommandLineOption model{
      QStringLiteral("model"),
      QStringLiteral("Runs the NEC-2 model in nec2c and prints what the antenna will do: "
                     "feed impedance, SWR on 50 ohms, gain and front-to-back ratio.")};
  QCommandLineOption elements{QStringLiteral("elements"),
                              QStringLiteral("The number of elements of the model, the plan and the "
                                             "listings, %1 (default) to %2.")
                                  .arg(kFewestElements)
                                  .arg(kMostElements),
                              QStringLiteral("N")};

  QList<QCommandLineOption> all() const {
    return {help, version, frequency, unit, format, plan, nec, model, diameter, elements};
  }
  QList<const QCommandLineOption*> calculationOnly() const {
    return {&unit, &format, &plan, &nec, &model, &diameter, &elements};
  }
  QList<const QCommandLineOption*> necOnly() const { return {&diameter}; }

  // The option named `name` (without its dashes), or none.
  const QCommandLineOption* named(QStringView name) const {
    for (const QCommandLineOption* option :
         {&help, &version, &frequency, &unit, &format, &plan, &nec, &model, &diameter, &elements}) {
      if (option->names().contains(name)) return option;
    }
    return nullptr;
  }
};

// The arguments, sorted: the program's own options with their values, for
// QCommandLineParser; Qt's, which Qt takes; and the rest.
struct Sorted {
  QStringList ours;        // the program's path first
  QStringList qt;          // as given, with their values
  QStringList unknown;     // options of neither
  QStringList positional;  // arguments that are not options
  QString missingValue;    // an option of ours at the end, without its value
};

Sorted sortArguments(const QStringList& arguments, const Options& options) {
  Sorted sorted;
  if (arguments.isEmpty()) return sorted;
  sorted.ours << arguments.first();
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) {
      sorted.positional << argument;
      continue;
    }
    if (argument == QLatin1String("--")) {
      optionsEnded = true;
      continue;
    }
    QStringView name(argument);
    name = name.mid(name.startsWith(u"--") ? 2 : 1);
    const qsizetype equals = name.indexOf(u'=');
    if (const QCommandLineOption* ours = options.named(equals < 0 ? name : name.left(equals))) {
      sorted.ours << argument;
      if (equals < 0 && !ours->valueName().isEmpty()) {
        if (i + 1 < arguments.size()) {
          sorted.ours << arguments[++i];
        } else {
          sorted.missingValue = argument;
        }
      }
    } else if (const qsizetype length = QtOptionLength(arguments, i)) {
      sorted.qt << arguments.mid(i, length);
      i += length - 1;
    } else {
      sorted.unknown << argument;
    }
  }
  return sorted;
}

QString helpText(QCommandLineParser& parser) {
  // Without a QCoreApplication the usage line names "<executable_name>";
  // it names the installed command instead.
  QString text = parser.helpText();
  const qsizetype endOfUsage = text.indexOf(QLatin1Char('\n'));
  return QStringLiteral("Usage: %1 [options]").arg(kProgram) + text.mid(endOfUsage) +
         QStringLiteral(
             "\nFILE may be \"-\" for standard output. A FIFO or a device (/dev/stdout,\n"
             "/dev/fd/N) is written in place; a symbolic link stays one and its target\n"
             "gets the file; a regular file is replaced only by a complete one.\n"
             "\nExamples:\n"
             "  quillcalc --frequency 146\n"
             "  quillcalc --frequency 432.1 --unit cm --format json\n"
             "  quillcalc --frequency 146 --plan quillbeam-146.pdf\n"
             "  quillcalc --frequency 146 --plan - | lpr\n"
             "  quillcalc --frequency 146 --nec beam.nec --diameter 6\n"
             "  quillcalc --frequency 146 --model --elements 5 --format json\n");
}

Request badUsage(const QString& problem) {
  Request request;
  request.action = Request::Action::BadUsage;
  request.problem = problem;
  return request;
}

// An argument that is not an option: a frequency typed without --frequency
// gets the command it was meant for.
Request strayArgument(const QString& argument) {
  if (ReadFrequency(argument).ok())
    return badUsage(QStringLiteral("%1: unexpected argument; did you mean --frequency %1?").arg(argument));
  return badUsage(QStringLiteral("%1: unexpected argument").arg(argument));
}

// Standard output takes one of the results, the plan and the model.
QString sharedStandardOutput(const Request& request) {
  const bool plan = request.planFile == QLatin1String("-");
  const bool model = request.nec && request.nec->file == QLatin1String("-");
  if (plan && model) return QStringLiteral("--nec -: standard output already gets the plan");
  if (request.printResults && (plan || model))
    return QStringLiteral("%1 -: standard output already gets the results of --format")
        .arg(plan ? QStringLiteral("--plan") : QStringLiteral("--nec"));
  return {};
}

// --frequency TEXT [--unit in|cm] [--format text|csv|json] [--plan FILE]
// [--nec FILE [--diameter MM] [--elements N]]
Request calculationRequest(const QCommandLineParser& parser, const Options& options, const Sorted& sorted) {
  if (!sorted.qt.isEmpty())
    return badUsage(QStringLiteral("%1: an option for the windows, which --frequency does not open")
                        .arg(sorted.qt.first()));
  if (!sorted.unknown.isEmpty())
    return badUsage(QStringLiteral("%1: unknown option").arg(sorted.unknown.first()));
  if (!sorted.positional.isEmpty())
    return badUsage(QStringLiteral("%1: unexpected argument").arg(sorted.positional.first()));
  Request request;
  request.action = Request::Action::Calculate;
  const FrequencyText frequency = ReadFrequency(parser.value(options.frequency));
  if (!frequency.ok()) return badUsage(QStringLiteral("--frequency: ") + frequency.problem);
  request.frequency = frequency.number;
  if (parser.isSet(options.unit)) {
    const QString unit = parser.value(options.unit).toLower();
    if (unit == QLatin1String("cm")) {
      request.unit = Unit::Centimetres;
    } else if (unit != QLatin1String("in")) {
      return badUsage(
          QStringLiteral("--unit: unknown unit '%1' (use in or cm)").arg(parser.value(options.unit)));
    }
  }
  if (parser.isSet(options.format)) {
    const QString format = parser.value(options.format).toLower();
    if (format == QLatin1String("csv")) {
      request.format = Request::Format::Csv;
    } else if (format == QLatin1String("json")) {
      request.format = Request::Format::Json;
    } else if (format != QLatin1String("text")) {
      return badUsage(QStringLiteral("--format: unknown format '%1' (use text, csv or json)")
                          .arg(parser.value(options.format)));
    }
  }
  if (parser.isSet(options.plan)) {
    request.planFile = parser.value(options.plan);
    if (request.planFile.isEmpty())
      return badUsage(QStringLiteral("--plan: needs a file name, or - for standard output"));
  }
  if (parser.isSet(options.elements)) {
    const QString count = parser.value(options.elements);
    bool whole = false;
    request.elements = count.trimmed().toInt(&whole);
    if (!whole || request.elements < kFewestElements || request.elements > kMostElements) {
      return badUsage(QStringLiteral("--elements: '%1' is not a whole number from %2 to %3")
                          .arg(count)
                          .arg(kFewestElements)
                          .arg(kMostElements));
    }
  }
  if (parser.isSet(options.model)) {
    if (parser.isSet(options.nec) || parser.isSet(options.plan) || parser.isSet(options.unit))
      return badUsage(QStringLiteral("--model: takes no --nec, --plan or --unit"));
    auto value = [&parser](const QCommandLineOption& o) {
      return parser.isSet(o) ? std::optional(parser.value(o)) : std::nullopt;
    };
    request.model = ModelCommand{QString::fromStdString(request.frequency), value(options.diameter),
                                 value(options.elements), request.format};
  } else if (parser.isSet(options.nec)) {
    NecCommand nec{QString::fromStdString(request.frequency), parser.value(options.nec), std::nullopt,
                   std::nullopt};
    if (nec.file.isEmpty())
      return badUsage(QStringLiteral("--nec: needs a file name, or - for standard output"));
    if (parser.isSet(options.diameter)) nec.diameter = parser.value(options.diameter);
    if (parser.isSet(options.elements)) nec.elements = parser.value(options.elements);
    request.nec = nec;
  } else {
    for (const QCommandLineOption* option : options.necOnly()) {
      if (parser.isSet(*option))
        return badUsage(QStringLiteral("--%1: needs --nec or --model").arg(option->names().constLast()));
    }
  }
  request.printResults = (request.planFile.isEmpty() && !request.nec) || parser.isSet(options.format);
  if (const QString problem = sharedStandardOutput(request); !problem.isEmpty()) return badUsage(problem);
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
// Returns the run-time error or what kept the file from being written.
QString writePlan(const Request& request, float frequencyMHz, std::optional<RunTimeError>& error) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Over ssh there is often no XDG_RUNTIME_DIR; the plan needs none, and a
  // script should not hear about it.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
          previous(type, context, message);
      });
  static int argc = 1;
  static char name[] = QUILLCALC_NAME;
  static char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  application.setApplicationName(kProgram);
  application.setApplicationVersion(QStringLiteral(QUILLCALC_VERSION));
  ui::installFontSubstitutes();
  ui::Plan plan;
  if (const auto failure =
          ui::MakePlan(frequencyMHz, request.unit, {request.elements, {}, {}}, QLocale(), plan)) {
    error = failure->error;
    return failure->refusal;
  }
  return ui::WritePlanPdf(plan, request.planFile, QLocale());
}

int calculate(const Request& request) {
  if (request.model) return RunModelCommand(*request.model);
  // Both units' values are on the plan: the other one must not fail where
  // this one passed (an overflow in centimetres only), after the model was
  // written.
  if (!request.planFile.isEmpty()) {
    DesignValues scratch;
    for (const Unit unit : {Unit::Inches, Unit::Centimetres}) {
      if (const auto error = Calculate(scratch, request.frequency, unit).error) {
        SayOnStderr(ErrorLine(*error));
        return kExitCalculationFailed;
      }
    }
    if (const std::string refusal = FrequencyRefusal(scratch.FrequencyMHz); !refusal.empty()) {
      SayOnStderr(QStringLiteral("--frequency: ") + AsClause(QString::fromStdString(refusal)));
      return kExitBadUsage;
    }
  }
  // The model checks its own options first, then the frequency.
  if (request.nec) {
    if (const int status = RunNecCommand(*request.nec); status != kExitDone) return status;
  }
  DesignValues record;
  const Calculation calculation = Calculate(record, request.frequency, request.unit);
  if (calculation.error) {
    SayOnStderr(ErrorLine(*calculation.error));
    return kExitCalculationFailed;
  }
  if (!request.planFile.isEmpty()) {
    std::optional<RunTimeError> error;
    const QString problem = writePlan(request, record.FrequencyMHz, error);
    if (error) {
      SayOnStderr(ErrorLine(*error));
      return kExitCalculationFailed;
    }
    if (!problem.isEmpty()) {
      SayOnStderr(
          QStringLiteral("--plan: cannot write %1: %2").arg(FileInMessage(request.planFile), problem));
      return kExitOutputFailed;
    }
  }
  if (request.printResults) {
    const std::string text = listing(
        request,
        ListResults(record, request.unit, calculation, ui::form1::dimensionNames(), ".", request.elements));
    const QString problem =
        io::SaveFile(QStringLiteral("-"), QByteArrayView(text.data(), qsizetype(text.size())));
    if (!problem.isEmpty()) {
      SayOnStderr(QStringLiteral("cannot write the results to standard output: %1").arg(problem));
      return kExitOutputFailed;
    }
  }
  return kExitDone;
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
                     "Right-click the drawing for a menu: Copy results (Ctrl+Shift+C), Print plan\n"
                     "(Ctrl+P), Save plan as PDF (Ctrl+S), Export NEC model and Model the antenna\n"
                     "(Ctrl+M).\n"
                     "With --frequency it opens no window and needs no display: it prints the results,\n"
                     "writes the plan or the NEC-2 model, or runs the model in nec2c, then exits with\n"
                     "0, 1 (an output could not be written), 2 (bad usage, or a model that cannot be\n"
                     "made), 3 (the frequency cannot be calculated) or 4 (nec2c could not run the\n"
                     "model). Without it, any argument but these options and Qt's own\n"
                     "(-platform, -style, -reverse, ...) is bad usage, and no window opens.\n"
                     "See quillcalc(1) for the windows, the exit statuses and the environment."));
  // Not addHelpOption(): its --help-all lists Qt's options, which only
  // QCoreApplication::process() can print.
  const Options options;
  parser.addOptions(options.all());
  const Sorted sorted = sortArguments(arguments, options);
  // Only the program's own options, each with its value: this parses.
  parser.parse(sorted.ours);

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
  if (!sorted.missingValue.isEmpty())
    return badUsage(QStringLiteral("%1: needs a value").arg(sorted.missingValue));
  if (parser.isSet(options.frequency)) return calculationRequest(parser, options, sorted);
  for (const QCommandLineOption* option : options.calculationOnly()) {
    if (parser.isSet(*option))
      return badUsage(QStringLiteral("--%1: needs --frequency").arg(option->names().constLast()));
  }
  if (!sorted.unknown.isEmpty())
    return badUsage(QStringLiteral("%1: unknown option").arg(sorted.unknown.first()));
  if (!sorted.positional.isEmpty()) return strayArgument(sorted.positional.first());
  return {};
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
    case Request::Action::Version: {
      const QByteArray reply = request.reply.toLocal8Bit();
      if (const QString problem = io::SaveFile(QStringLiteral("-"), reply); !problem.isEmpty()) {
        SayOnStderr(QStringLiteral("cannot write to standard output: %1").arg(problem));
        return kExitOutputFailed;
      }
      return kExitDone;
    }
    case Request::Action::BadUsage:
      SayOnStderr(request.problem + QStringLiteral(" (Try '%1 --help')").arg(kProgram));
      return kExitBadUsage;
    case Request::Action::Calculate:
      return calculate(request);
  }
  return std::nullopt;
}

}  // namespace quill::app
