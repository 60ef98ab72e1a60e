#include "supportlinkdetector.h"
#include "supportmessageformat.h"

#include <QTest>

using Block = SupportMessageFormat::Block;

Q_DECLARE_METATYPE(QList<SupportMessageFormat::Block>)

namespace
{
Block paragraph(const QString &text)
{
    return {Block::Paragraph, text, {}};
}
Block code(const QString &text)
{
    return {Block::Code, text, {}};
}
Block spacer()
{
    return {Block::Spacer, {}, {}};
}

const QString fence = QStringLiteral("```");
} // namespace

// Message text as the chat shows it: the block parser, the inline rewrites, the rich text that
// never lets markup or images through, and the telephone and link detectors.
class SupportFormatTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesBlocks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<Block>>("blocks");
        QTest::newRow("empty") << QString() << QList<Block>{spacer()};
        QTest::newRow("fenced") << fence + "\nlet a = 1\n" + fence << QList<Block>{code(QStringLiteral("let a = 1"))};
        QTest::newRow("language line") << fence + "json\n{}\n" + fence << QList<Block>{code(QStringLiteral("json\n{}"))};
        QTest::newRow("one-line block") << fence + "a" + fence << QList<Block>{code(QStringLiteral("a"))};
        QTest::newRow("six backticks open") << fence + fence + "\nx" << QList<Block>{code(fence + "\nx")};
        QTest::newRow("inline code stays a paragraph") << "Скажите " + fence + "ping" + fence + " им"
                                                       << QList<Block>{paragraph("Скажите " + fence + "ping" + fence + " им")};
        QTest::newRow("unclosed fence, untrimmed") << fence + "\n  a\n\n> b" << QList<Block>{code(QStringLiteral("  a\n\n> b"))};
        QTest::newRow("fence on the last line") << "x\n" + fence << QList<Block>{paragraph(QStringLiteral("x")), code(QString())};
        QTest::newRow("closing fence with text") << fence + "\na\n" + fence + "b" + fence << QList<Block>{code(QStringLiteral("a\nb"))};
        QTest::newRow("fence not at line start") << fence + "\na\nb" + fence << QList<Block>{code("a\nb" + fence)};
        QTest::newRow("indented paragraph") << QStringLiteral("  indented") << QList<Block>{paragraph(QStringLiteral("  indented"))};
        QTest::newRow("indented quote") << QStringLiteral("  > цитата") << QList<Block>{{Block::Quote, QStringLiteral("цитата"), {}}};
        QTest::newRow("bullets") << QStringLiteral("* один\n- два\n*три") << QList<Block>{{Block::Bullet, QStringLiteral("один"), {}}, {Block::Bullet, QStringLiteral("два"), {}}, paragraph(QStringLiteral("*три"))};
        QTest::newRow("numbers") << QStringLiteral("12.  пункт\n1) пункт\n1.пункт")
                                 << QList<Block>{{Block::Number, QStringLiteral("пункт"), QStringLiteral("12.")}, paragraph(QStringLiteral("1) пункт")), paragraph(QStringLiteral("1.пункт"))};
        QTest::newRow("blank line") << QStringLiteral("a\n\nb") << QList<Block>{paragraph(QStringLiteral("a")), spacer(), paragraph(QStringLiteral("b"))};
        QTest::newRow("windows line ends") << QStringLiteral("a\r\nb") << QList<Block>{paragraph(QStringLiteral("a")), paragraph(QStringLiteral("b"))};
    }

    void parsesBlocks()
    {
        QFETCH(QString, text);
        QFETCH(QList<Block>, blocks);
        const QList<Block> parsed = SupportMessageFormat::parseBlocks(text);
        QCOMPARE(parsed.size(), blocks.size());
        for (qsizetype i = 0; i < parsed.size(); ++i) {
            QCOMPARE(int(parsed.at(i).kind), int(blocks.at(i).kind));
            QCOMPARE(parsed.at(i).text, blocks.at(i).text);
            QCOMPARE(parsed.at(i).marker, blocks.at(i).marker);
        }
    }

    void rewritesInlineMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("markdown");
        QTest::newRow("strong") << QStringLiteral("*жирный*") << QStringLiteral("**жирный**");
        QTest::newRow("already strong") << QStringLiteral("**жирный**") << QStringLiteral("**жирный**");
        QTest::newRow("strike") << QStringLiteral("~зачёркнутый~") << QStringLiteral("~~зачёркнутый~~");
        QTest::newRow("code") << "a " + fence + "x y" + fence + " b" << QStringLiteral("a `x y` b");
        QTest::newRow("not across lines") << QStringLiteral("*a\nb*") << QStringLiteral("*a\nb*");
        QTest::newRow("two strong") << QStringLiteral("*a* и *b*") << QStringLiteral("**a** и **b**");
    }

    void rewritesInlineMarks()
    {
        QFETCH(QString, text);
        QFETCH(QString, markdown);
        QCOMPARE(SupportMessageFormat::rewriteInlineMarks(text), markdown);
    }

    void richTextIsASafeSubset_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("richText");
        QTest::newRow("strong") << QStringLiteral("*жирный*") << QStringLiteral("<b>жирный</b>");
        QTest::newRow("emphasis") << QStringLiteral("_важно_") << QStringLiteral("<i>важно</i>");
        QTest::newRow("strong and emphasis") << QStringLiteral("***оба***") << QStringLiteral("<b><i>оба</i></b>");
        QTest::newRow("strong at the start") << QStringLiteral("*Важно*: читать") << QStringLiteral("<b>Важно</b>: читать");
        QTest::newRow("strike") << QStringLiteral("~нет~") << QStringLiteral("<s>нет</s>");
        QTest::newRow("raw html stays text") << QStringLiteral("<b>x</b> & <script>alert(1)</script>")
                                             << QStringLiteral("&lt;b&gt;x&lt;/b&gt; &amp; &lt;script&gt;alert(1)&lt;/script&gt;");
        QTest::newRow("img tag stays text") << QStringLiteral("<img src=\"https://evil.example/a.png\">")
                                            << QStringLiteral("&lt;img src=&quot;https://evil.example/a.png&quot;&gt;");
        QTest::newRow("markdown image is never loaded") << QStringLiteral("![x](https://evil.example/a.png)")
                                                        << QStringLiteral("https://evil.example/a.png");
        // Typed characters are shown as typed: block markers, entities and spaces are no markup.
        QTest::newRow("list marker with a bracket") << QStringLiteral("1) первый пункт") << QStringLiteral("1) первый пункт");
        QTest::newRow("number alone") << QStringLiteral("1.") << QStringLiteral("1.");
        QTest::newRow("heading marker") << QStringLiteral("# Заголовок") << QStringLiteral("# Заголовок");
        QTest::newRow("plus marker") << QStringLiteral("+ плюс") << QStringLiteral("+ плюс");
        QTest::newRow("quote marker") << QStringLiteral(">не цитата") << QStringLiteral("&gt;не цитата");
        QTest::newRow("rule") << QStringLiteral("---") << QStringLiteral("---");
        QTest::newRow("tilde fence") << QStringLiteral("~~~ код") << QStringLiteral("~~~ код");
        QTest::newRow("link definition") << QStringLiteral("[1]: https://tarvik.ru")
                                         << QStringLiteral("[1]: <a href=\"https://tarvik.ru\" style=\"color:rgba(0,0,0,1.000)\">https://tarvik.ru</a>");
        QTest::newRow("entity") << QStringLiteral("&lt; и &amp;") << QStringLiteral("&amp;lt; и &amp;amp;");
        QTest::newRow("entity in code") << QStringLiteral("`&amp;`") << QStringLiteral("<span style=\"font-family:monospace;background-color:rgba(255,255,255,1.000)\">&nbsp;&amp;amp;&nbsp;</span>");
        QTest::newRow("leading spaces") << QStringLiteral("    отступ") << QStringLiteral("    отступ");
        QTest::newRow("link") << QStringLiteral("[сайт](https://tarvik.ru/\"x)")
                              << QStringLiteral("<a href=\"https://tarvik.ru/&quot;x\" style=\"color:rgba(0,0,0,1.000)\">сайт</a>");
    }

    void richTextIsASafeSubset()
    {
        QFETCH(QString, text);
        QFETCH(QString, richText);
        const QString rich = SupportMessageFormat::inlineRichText(text, QColor(255, 255, 255), QColor(0, 0, 0));
        QCOMPARE(rich, richText);
        QVERIFY(!rich.contains(QLatin1String("<img")));
    }

    void wholeMessageShowsMarkupAsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // how the markup appears in the rich text
        QTest::newRow("paragraph") << QStringLiteral("<b>x</b>") << QStringLiteral("&lt;b&gt;x&lt;/b&gt;");
        QTest::newRow("quote") << QStringLiteral("> <img src=\"https://evil.example/a.png\">") << QStringLiteral("&lt;img src=&quot;https://evil.example/a.png&quot;&gt;");
        QTest::newRow("bullet") << QStringLiteral("- <table>") << QStringLiteral("&lt;table&gt;");
        QTest::newRow("number") << QStringLiteral("1. </td></tr></table><img src=x>") << QStringLiteral("&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;img src=x&gt;");
        QTest::newRow("code") << fence + QStringLiteral("\n<img src=x>\n") + fence << QStringLiteral("&lt;img src=x&gt;");
    }

    // Markup in any kind of block of a message is shown as its characters, never read.
    void wholeMessageShowsMarkupAsText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const QString rich = SupportMessageFormat::richText(text, {Qt::white, Qt::white, Qt::gray}, 16);
        QVERIFY2(rich.contains(shown), qPrintable(rich));
        QVERIFY(!rich.contains(QLatin1String("<img")));
    }

    void inlineCodeHasItsBackground()
    {
        const QString rich = SupportMessageFormat::inlineRichText(QStringLiteral("`a<b`"), QColor(10, 20, 30, 51), QColor(0, 0, 0));
        QVERIFY2(rich.contains(QLatin1String("background-color:rgba(10,20,30,0.200)")), qPrintable(rich));
        QVERIFY(rich.contains(QLatin1String("a&lt;b")));
    }

    void detectsPhoneNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::newRow("plus, brackets, dashes") << QStringLiteral("Звоните +7 (495) 318-42-77!") << QStringLiteral("tel:74953184277");
        QTest::newRow("trunk prefix") << QStringLiteral("Горячая линия 8 800 555-35-35.") << QStringLiteral("tel:88005553535");
        QTest::newRow("compact") << QStringLiteral("+74953184277") << QStringLiteral("tel:74953184277");
        QTest::newRow("brackets no spaces") << QStringLiteral("8(495)3184277") << QStringLiteral("tel:84953184277");
        QTest::newRow("local") << QStringLiteral("офис: 318-42-77") << QStringLiteral("tel:3184277");
        QTest::newRow("first of two") << QStringLiteral("8 800 555-35-35 или +7 495 318 42 77") << QStringLiteral("tel:88005553535");
        QTest::newRow("too long") << QStringLiteral("счёт 849531842770") << QString();
        QTest::newRow("a date is no number") << QStringLiteral("07.12.2026 в 10:05") << QString();
        QTest::newRow("digits inside a link") << QStringLiteral("https://tarvik.ru/84953184277") << QString();
        QTest::newRow("none") << QStringLiteral("Спасибо!") << QString();
    }

    void detectsPhoneNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, url);
        QCOMPARE(SupportLinkDetector::phoneUrl(text).toString(), url);
    }

    void detectsLinks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("url");
        QTest::newRow("trailing full stop") << QStringLiteral("См. https://tarvik.ru/help.") << QStringLiteral("https://tarvik.ru/help");
        QTest::newRow("in brackets") << QStringLiteral("(https://tarvik.ru/a_(b))") << QStringLiteral("https://tarvik.ru/a_(b)");
        QTest::newRow("closing bracket") << QStringLiteral("(см. https://tarvik.ru)") << QStringLiteral("https://tarvik.ru");
        QTest::newRow("quotes and comma") << QStringLiteral("«https://tarvik.ru/x», потом") << QStringLiteral("https://tarvik.ru/x");
        QTest::newRow("query kept") << QStringLiteral("http://a.ru/?q=1&b=2!") << QStringLiteral("http://a.ru/?q=1&b=2");
        QTest::newRow("www") << QStringLiteral("Сайт www.tarvik.ru; звоните") << QStringLiteral("https://www.tarvik.ru");
        QTest::newRow("bare domain with path") << QStringLiteral("Откройте tarvik.ru/help?") << QStringLiteral("https://tarvik.ru/help");
        QTest::newRow("e-mail") << QStringLiteral("Пишите на help@tarvik.ru.") << QStringLiteral("mailto:help@tarvik.ru");
        QTest::newRow("file name is no link") << QStringLiteral("Файл report.txt") << QString();
        QTest::newRow("number only") << QStringLiteral("+7 (495) 318-42-77") << QString();
        QTest::newRow("first of two") << QStringLiteral("a.ru и https://b.ru") << QStringLiteral("https://a.ru");
    }

    void detectsLinks()
    {
        QFETCH(QString, text);
        QFETCH(QString, url);
        QCOMPARE(SupportLinkDetector::webUrl(text).toString(), url);
    }

    void bothInTextOrder()
    {
        const auto matches = SupportLinkDetector::detect(QStringLiteral("Звоните 8 800 555-35-35 или https://tarvik.ru"));
        QCOMPARE(matches.size(), 2);
        QCOMPARE(matches.at(0).kind, SupportLinkDetector::Match::Phone);
        QCOMPARE(matches.at(1).kind, SupportLinkDetector::Match::Link);
    }

    void opensAllowedSchemesOnly_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("openable");
        QTest::newRow("https") << QStringLiteral("https://tarvik.ru") << true;
        QTest::newRow("http") << QStringLiteral("HTTP://tarvik.ru") << true;
        QTest::newRow("tel") << QStringLiteral("tel:74953184277") << true;
        QTest::newRow("mailto") << QStringLiteral("mailto:help@tarvik.ru") << true;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("data") << QStringLiteral("data:text/html,x") << false;
        QTest::newRow("app scheme") << QStringLiteral("bank100000000111://pay") << false;
    }

    void opensAllowedSchemesOnly()
    {
        QFETCH(QString, url);
        QFETCH(bool, openable);
        QCOMPARE(SupportLinkDetector::isOpenable(QUrl(url)), openable);
    }
};

QTEST_MAIN(SupportFormatTest)
#include "tst_supportformat.moc"
