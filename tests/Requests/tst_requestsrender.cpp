#include "qmlrender.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

// Renders the screens of the requests that read nothing offscreen, pushed onto a navigation stack
// as the shell shows them; each PNG lands in screenshots/<name>.png in the test's build folder.
class RequestsRenderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renders_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<qreal>("scroll"); // where the pushed screen's content is scrolled to

        QTest::newRow("smart_intercom") << QByteArray("SmartIntercomView {}") << 0.0;
        QTest::newRow("smart_intercom_bottom") << QByteArray("SmartIntercomView {}") << 700.0;
    }

    void renders()
    {
        QFETCH(QByteArray, screen);
        QFETCH(qreal, scroll);
        const QByteArray qml = "import QtQuick\nimport QtQuick.Templates as T\nimport Tarvik.Design\nimport Tarvik.Requests\n"
                               "NavigationStack {\n"
                               "    initialItem: NavigationPage { title: 'Главная' }\n"
                               "    Component { id: screen; "
            + screen
            + " }\n"
              "    Component.onCompleted: push(screen, {}, T.StackView.Immediate)\n"
              "}\n";
        QmlRenderOptions options;
        options.settleMs = 1200;
        if (scroll > 0) {
            options.interact = [scroll](QQuickWindow *, QObject *root) {
                QObject *page = root->property("currentItem").value<QObject *>();
                page->property("flickable").value<QObject *>()->setProperty("contentY", scroll);
            };
        }
        TARVIK_VERIFY_RENDER(renderQml(QString::fromLatin1(QTest::currentDataTag()), qml, options));
    }
};

QTEST_MAIN(RequestsRenderTest)
#include "tst_requestsrender.moc"
