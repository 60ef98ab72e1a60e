// Prints what a screen reader and a keyboard user meet on the signed-in app's screens, against the
// stand-in site: the window's whole accessibility tree as read over the accessibility bus (role,
// name, states, children; a child whose index in its parent is wrong says so), then the Tab order
// from the screen's first control (the one after the shell's last tab) around to itself, and the
// Shift+Tab order from there the same way.
//
//   scripts/with-accessibility-bus.sh build/tests/App/screentree [--out <folder>] [screen...]
//
// Screens: home payments statistics services chat profile relocation "tariff order" (all of them
// when none is named), and any other name tests/App/appscreens.h opens ("tariffs", "shop", ...).
// With --out, each screen goes to <folder>/<screen>.txt (to compare two builds with diff -r); else
// all go to stdout.
#include "appscreens.h"
#include "atspiwalker.h"
#include "taborder.h"

#include "accessiblekit.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace
{
QString tabOrder(AtspiWalker &walker, QQuickWindow *window, bool backwards)
{
    const TabOrder::Walk walk = TabOrder::walk(window, backwards, [&walker](QAccessibleInterface *interface) {
        const AtspiWalker::Node node = walker.node(interface);
        return walker.role(node) + QStringLiteral(" \"") + walker.name(node) + QLatin1Char('"');
    });
    // A loop shows in its first turns.
    constexpr qsizetype shown = 60;
    QString text;
    for (qsizetype i = 0; i < std::min(walk.stops.size(), shown); ++i)
        text += QStringLiteral("%1. %2\n").arg(i + 1, 3).arg(walk.stops.at(i).description);
    if (walk.stops.size() > shown)
        text += QStringLiteral("     (%1 stops more)\n").arg(walk.stops.size() - shown);
    if (walk.wrapped)
        text += QStringLiteral("     back to 1 after %1 stops\n").arg(walk.stops.size());
    else if (walk.repeated >= 0)
        text += QStringLiteral("     loop: stop %1 again before 1\n").arg(walk.repeated + 1);
    else
        text += QStringLiteral("     not back to 1 after %1 presses\n").arg(walk.stops.size());
    return text;
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    AccessibleKit::install();
    QStringList screens = app.arguments().mid(1);
    QString out;
    if (const qsizetype at = screens.indexOf(QStringLiteral("--out")); at >= 0 && at + 1 < screens.size()) {
        out = screens.at(at + 1);
        screens.remove(at, 2);
        QDir().mkpath(out);
    }
    if (screens.isEmpty()) {
        screens = {QStringLiteral("home"),    QStringLiteral("payments"), QStringLiteral("statistics"), QStringLiteral("services"),
                   QStringLiteral("chat"),    QStringLiteral("profile"),  QStringLiteral("relocation"), QStringLiteral("tariff order")};
    }

    AppScreens::SignedInApp signedIn;
    if (const QString failed = signedIn.start(); !failed.isEmpty()) {
        std::fprintf(stderr, "screentree: %s\n", qPrintable(failed));
        return 1;
    }
    AtspiWalker walker;
    if (!walker.connect()) {
        std::fprintf(stderr, "screentree: %s (run it under scripts/with-accessibility-bus.sh)\n", qPrintable(walker.errorString()));
        return 1;
    }
    QQuickWindow *window = signedIn.window;
    for (const QString &screen : std::as_const(screens)) {
        signedIn.closeAll();
        if (!signedIn.open(screen)) {
            std::fprintf(stderr, "screentree: no screen \"%s\"\n", qPrintable(screen));
            return 1;
        }
        // The focus moves to a new screen once it is in its window; let that and the slides settle.
        QTest::qWait(600);
        QString text = QStringLiteral("== %1\n").arg(screen);
        text += walker.dump(walker.node(QAccessible::queryAccessibleInterface(window)));
        // The walk starts on the screen's first control: the one after the shell's last tab.
        if (QQuickItem *lastTab = AppScreens::findItem(signedIn.shell, [](QQuickItem *item) { return item->objectName() == u"tab3"; }))
            lastTab->forceActiveFocus(Qt::TabFocusReason);
        text += QStringLiteral("-- Tab\n") + tabOrder(walker, window, false);
        text += QStringLiteral("-- Shift+Tab\n") + tabOrder(walker, window, true);
        if (out.isEmpty()) {
            std::fputs(qPrintable(text), stdout);
            continue;
        }
        QFile file(QDir(out).filePath(QString(screen).replace(QLatin1Char(' '), QLatin1Char('-')) + QStringLiteral(".txt")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0) {
            std::fprintf(stderr, "screentree: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    signedIn.stop();
    return 0;
}
