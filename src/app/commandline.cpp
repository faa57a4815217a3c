#include "app/commandline.h"

#include <QCommandLineParser>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "app/optionnumber.h"
#include "app/qtoptions.h"
#include "app/version.h"
#include "io/program.h"

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
  QCommandLineOption allowance{
      QStringLiteral("allowance"),
      QStringLiteral("The tube left past each bolt's centre, in millimetres, on the plan and in the "
                     "listings' cut lengths (default: 3/8 in with --unit in, 10 mm with --unit cm)."),
      QStringLiteral("MM")};
  QCommandLineOption elements{QStringLiteral("elements"),
                              QStringLiteral("The number of elements of the model, the plan and the "
                                             "listings, %1 (default) to %2.")
                                  .arg(kFewestElements)
                                  .arg(kMostElements),
                              QStringLiteral("N")};
  QCommandLineOption trim{
      QStringLiteral("trim"),
      QStringLiteral("With --model, adds the length by which to lengthen or shorten every leg so that the "
                     "lowest SWR falls on the frequency (from --measured's sweep if given); with --nec, "
                     "writes the deck so trimmed. Runs nec2c to find it.")};
  QCommandLineOption measured{
      QStringLiteral("measured"),
      QStringLiteral("With --model, adds an analyser's sweep saved as a Touchstone file (.s1p, .s2p)."),
      QStringLiteral("FILE")};
  QCommandLineOption tolerance{
      QStringLiteral("tolerance"),
      QStringLiteral("With --model, adds the spread of 32 copies of the model cut within +/- MM "
                     "(at most a tenth of the shortest leg)."),
      QStringLiteral("MM")};

  QList<QCommandLineOption> all() const {
    return {help,  version,  frequency, unit,     format, plan,     nec,
            model, diameter, allowance, elements, trim,   measured, tolerance};
  }
  QList<const QCommandLineOption*> calculationOnly() const {
    return {&unit,      &format,   &plan, &nec,      &model,    &diameter,
            &allowance, &elements, &trim, &measured, &tolerance};
  }
  QList<const QCommandLineOption*> modelOnly() const { return {&diameter}; }

  // The option named `name` (without its dashes), or none.
  const QCommandLineOption* named(QStringView name) const {
    for (const QCommandLineOption* option :
         {&help, &version, &frequency, &unit, &format, &plan, &nec, &model, &diameter, &allowance, &elements,
          &trim, &measured, &tolerance}) {
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
             "  quillcalc --frequency 432 --elements 6 --unit cm --allowance 10 --plan -\n"
             "  quillcalc --frequency 146 --model --elements 5 --format json\n"
             "  quillcalc --frequency 146 --model --trim --measured sweep.s1p --tolerance 3\n");
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
  const bool model = request.necFile == QLatin1String("-");
  if (plan && model) return QStringLiteral("--nec -: standard output already gets the plan");
  if (request.printResults && (plan || model))
    return QStringLiteral("%1 -: standard output already gets the results of --format")
        .arg(plan ? QStringLiteral("--plan") : QStringLiteral("--nec"));
  return {};
}

// --elements: a whole number of elements, in the locale's digits or 0-9.
std::optional<int> readElements(const QString& text) {
  const OptionNumber read = ReadOptionNumber(text, {}, {});
  double count = 0;
  if (!read.ok() ||
      std::from_chars(read.number.data(), read.number.data() + read.number.size(), count).ec != std::errc())
    return std::nullopt;
  if (count != std::floor(count) || count < kFewestElements || count > kMostElements) return std::nullopt;
  return static_cast<int>(count);
}

// The options that give one value, each at most once: a second --frequency
// must not silently win over the first.
QString givenTwice(const QCommandLineParser& parser, const Options& options) {
  for (const QCommandLineOption& option : options.all()) {
    if (!option.valueName().isEmpty() && parser.values(option).size() > 1)
      return QStringLiteral("--%1: given more than once").arg(option.names().constLast());
  }
  return {};
}

// --frequency TEXT [--unit in|cm] [--format text|csv|json] [--plan FILE]
// [--nec FILE | --model] [--diameter MM] [--allowance MM] [--elements N]
Request calculationRequest(const QCommandLineParser& parser, const Options& options, const Sorted& sorted) {
  if (!sorted.qt.isEmpty())
    return badUsage(QStringLiteral("%1: an option for the windows, which --frequency does not open")
                        .arg(sorted.qt.first()));
  if (!sorted.unknown.isEmpty())
    return badUsage(QStringLiteral("%1: unknown option").arg(sorted.unknown.first()));
  if (!sorted.positional.isEmpty())
    return badUsage(QStringLiteral("%1: unexpected argument").arg(sorted.positional.first()));
  if (const QString twice = givenTwice(parser, options); !twice.isEmpty()) return badUsage(twice);
  Request request;
  request.action = Request::Action::Calculate;
  const OptionNumber frequency = ReadFrequency(parser.value(options.frequency));
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
    const std::optional<int> count = readElements(parser.value(options.elements));
    if (!count) {
      return badUsage(QStringLiteral("--elements: '%1' is not a whole number from %2 to %3")
                          .arg(parser.value(options.elements))
                          .arg(kFewestElements)
                          .arg(kMostElements));
    }
    request.elements = *count;
  }
  if (parser.isSet(options.diameter)) {
    const OptionNumber diameter =
        ReadOptionNumber(parser.value(options.diameter), "mm", QStringLiteral("a number of millimetres"));
    if (!diameter.ok()) return badUsage(QStringLiteral("--diameter: ") + diameter.problem);
    request.diameterMm = std::strtod(diameter.number.c_str(), nullptr);
  }
  if (parser.isSet(options.allowance)) {
    const OptionNumber allowance =
        ReadOptionNumber(parser.value(options.allowance), "mm", QStringLiteral("a number of millimetres"));
    if (!allowance.ok()) return badUsage(QStringLiteral("--allowance: ") + allowance.problem);
    request.allowanceMm = std::strtod(allowance.number.c_str(), nullptr);
    if (!(*request.allowanceMm >= 0) || !std::isfinite(*request.allowanceMm))
      return badUsage(
          QStringLiteral("--allowance: '%1' is not 0 mm or more").arg(parser.value(options.allowance)));
    if (parser.isSet(options.model))
      return badUsage(
          QStringLiteral("--allowance: --model cuts no pieces; use it with --plan or the listings"));
  }
  request.model = parser.isSet(options.model);
  if (request.model) {
    if (parser.isSet(options.nec) || parser.isSet(options.plan) || parser.isSet(options.unit))
      return badUsage(QStringLiteral("--model: takes no --nec, --plan or --unit"));
  } else if (parser.isSet(options.nec)) {
    request.necFile = parser.value(options.nec);
    if (request.necFile.isEmpty())
      return badUsage(QStringLiteral("--nec: needs a file name, or - for standard output"));
  } else if (request.planFile.isEmpty()) {
    for (const QCommandLineOption* option : options.modelOnly()) {
      if (parser.isSet(*option))
        return badUsage(
            QStringLiteral("--%1: needs --nec, --model or --plan").arg(option->names().constLast()));
    }
  }
  request.trim = parser.isSet(options.trim);
  if (request.trim && !request.model && request.necFile.isEmpty())
    return badUsage(QStringLiteral("--trim: needs --model or --nec"));
  for (const QCommandLineOption* option : {&options.measured, &options.tolerance}) {
    if (parser.isSet(*option) && !request.model)
      return badUsage(QStringLiteral("--%1: needs --model").arg(option->names().constLast()));
  }
  if (parser.isSet(options.measured)) {
    request.measuredFile = parser.value(options.measured);
    if (request.measuredFile.isEmpty()) return badUsage(QStringLiteral("--measured: needs a file name"));
  }
  if (parser.isSet(options.tolerance)) {
    const QString text = parser.value(options.tolerance);
    const OptionNumber cut = ReadOptionNumber(text, "mm", QStringLiteral("a number of millimetres"));
    if (!cut.ok()) return badUsage(QStringLiteral("--tolerance: ") + cut.problem);
    request.toleranceMm = std::strtod(cut.number.c_str(), nullptr);
    if (!(*request.toleranceMm >= 0))
      return badUsage(QStringLiteral("--tolerance: %1 mm is below 0; give the error either way, as 3 for "
                                     "\u00b13 mm")
                          .arg(text));
  }
  request.printResults =
      (request.planFile.isEmpty() && request.necFile.isEmpty()) || parser.isSet(options.format);
  // The deck's wires are in metres: a unit there would be ignored.
  if (parser.isSet(options.unit) && !request.printResults && request.planFile.isEmpty())
    return badUsage(QStringLiteral("--unit: --nec writes no lengths in a unit; add --format or --plan"));
  if (const QString problem = sharedStandardOutput(request); !problem.isEmpty()) return badUsage(problem);
  return request;
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
    request.reply = io::ProgramAndVersion() + QLatin1Char('\n');
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

}  // namespace quill::app
