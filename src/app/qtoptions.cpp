#include "app/qtoptions.h"

#include <QLatin1StringView>
#include <algorithm>
#include <iterator>

namespace quill::app {
namespace {

// Options that take a value, as "-option value": those of QGuiApplication,
// the X11 ones, then QApplication's.
constexpr QLatin1StringView kWithValue[] = {
    QLatin1StringView("platform"),
    QLatin1StringView("platformpluginpath"),
    QLatin1StringView("platformtheme"),
    QLatin1StringView("plugin"),
    QLatin1StringView("qwindowgeometry"),
    QLatin1StringView("qwindowicon"),
    QLatin1StringView("qwindowtitle"),
    QLatin1StringView("session"),
    QLatin1StringView("display"),
    QLatin1StringView("geometry"),
    QLatin1StringView("title"),
    QLatin1StringView("icon"),
    QLatin1StringView("name"),
    QLatin1StringView("visual"),
    QLatin1StringView("ncols"),
    QLatin1StringView("fn"),
    QLatin1StringView("font"),
    QLatin1StringView("bg"),
    QLatin1StringView("background"),
    QLatin1StringView("fg"),
    QLatin1StringView("foreground"),
    QLatin1StringView("btn"),
    QLatin1StringView("button"),
    QLatin1StringView("im"),
    QLatin1StringView("inputstyle"),
    QLatin1StringView("style"),
    QLatin1StringView("stylesheet"),
};

// The options Qt also reads as "-option=value"; the others only as two
// arguments.
constexpr QLatin1StringView kJoinedValue[] = {
    QLatin1StringView("style"),
    QLatin1StringView("stylesheet"),
    QLatin1StringView("qmljsdebugger"),
};

// Options that stand alone.
constexpr QLatin1StringView kFlags[] = {
    QLatin1StringView("reverse"), QLatin1StringView("widgetcount"), QLatin1StringView("cmap"),
    QLatin1StringView("nograb"),  QLatin1StringView("dograb"),      QLatin1StringView("sync"),
    QLatin1StringView("noxim"),
};

template <class Names>
bool among(const Names& names, QStringView name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

qsizetype QtOptionLength(const QStringList& arguments, qsizetype index) {
  const QString& argument = arguments.at(index);
  // Qt reads "--option" as "-option".
  QStringView name(argument);
  if (name.startsWith(u"--")) {
    name = name.mid(2);
  } else if (name.startsWith(u'-')) {
    name = name.mid(1);
  } else {
    return 0;
  }
  if (const qsizetype equals = name.indexOf(u'='); equals >= 0)
    return among(kJoinedValue, name.left(equals)) ? 1 : 0;
  if (among(kFlags, name)) return 1;
  if (among(kWithValue, name)) return index + 1 < arguments.size() ? 2 : 1;
  return 0;
}

}  // namespace quill::app
