// Renders what a keyboard user and a mouse user see on the signed-in app's screens, against the
// stand-in site, to compare two builds picture by picture: each screen as it opens, then the frame
// at each Tab stop from the screen's first control on (the one after the shell's last tab), until
// the focus comes back round.
//
//   build/tests/App/focusframes --out <folder> [--latency <ms>] [screen...]
//
// Screens as in tests/App/appscreens.h ("home", "tariff order", "checkout", ...); the main ones when
// none is named. Frames go to <folder>/<screen>/<nn>-<stop>.png; with --latency every answer of the
// site comes that much later (a slow network).
#include "appscreens.h"
#include "taborder.h"

#include "accessiblekit.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    AccessibleKit::install();
    QStringList screens = app.arguments().mid(1);
    QString out = QStringLiteral("focusframes");
    int latency = 0;
    for (const QString &option : {QStringLiteral("--out"), QStringLiteral("--latency")}) {
        const qsizetype at = screens.indexOf(option);
        if (at < 0 || at + 1 >= screens.size())
            continue;
        if (option == u"--out")
            out = screens.at(at + 1);
        else
            latency = screens.at(at + 1).toInt();
        screens.remove(at, 2);
    }
    if (screens.isEmpty()) {
        screens = {QStringLiteral("home"),       QStringLiteral("payments"),     QStringLiteral("services"),
                   QStringLiteral("chat"),       QStringLiteral("relocation"),   QStringLiteral("tariff order"),
                   QStringLiteral("checkout"),   QStringLiteral("static ip"),    QStringLiteral("referral"),
                   QStringLiteral("24tv account"), QStringLiteral("trust payment")};
    }

    AppScreens::SignedInApp signedIn;
    if (const QString failed = signedIn.start(); !failed.isEmpty()) {
        std::fprintf(stderr, "focusframes: %s\n", qPrintable(failed));
        return 1;
    }
    signedIn.account->site->setLatency(std::chrono::milliseconds(latency));
    QQuickWindow *window = signedIn.window;
    for (const QString &screen : std::as_const(screens)) {
        signedIn.closeAll();
        QTest::qWait(400);
        if (!signedIn.open(screen)) {
            std::fprintf(stderr, "focusframes: no screen \"%s\"\n", qPrintable(screen));
            return 1;
        }
        const QDir folder(QDir(out).filePath(QString(screen).replace(QLatin1Char(' '), QLatin1Char('-'))));
        QDir().mkpath(folder.path());
        // The focus moves to a new screen once it is in its window; let that and the slides settle.
        QTest::qWait(800);
        window->grabWindow().save(folder.filePath(QStringLiteral("00-opened.png")));
        // A sheet keeps Tab inside itself: its walk starts where it put the focus.
        QQuickItem *lastTab = AppScreens::findItem(signedIn.shell, [](QQuickItem *item) { return item->objectName() == u"tab3"; });
        if (lastTab && AccessibleKit::openModalPopups(window).isEmpty())
            lastTab->forceActiveFocus(Qt::TabFocusReason);
        QPointer<QQuickItem> first;
        for (int press = 1; press < 80; ++press) {
            QTest::keyClick(window, Qt::Key_Tab);
            QTest::qWait(350);
            const TabOrder::Stop stop = TabOrder::stopAt(window);
            if (press > 1 && stop.item == first)
                break;
            if (press == 1)
                first = stop.item;
            QString name = stop.description.section(QLatin1Char('"'), 1, 1).left(32);
            name.replace(QLatin1Char('/'), QLatin1Char('-'));
            window->grabWindow().save(folder.filePath(QStringLiteral("%1-%2.png").arg(press, 2, 10, QLatin1Char('0')).arg(name)));
        }
    }
    signedIn.stop();
    return 0;
}
