#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The app's palette, the platform colours the screens use (light appearance: the app is always
// light) and the table of text styles. Stateless; reached from QML as the singleton `Theme`.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // Brand palette.
    Q_PROPERTY(QColor tarInk READ tarInk CONSTANT)
    Q_PROPERTY(QColor tarPink READ tarPink CONSTANT)
    Q_PROPERTY(QColor tarOrange READ tarOrange CONSTANT)
    Q_PROPERTY(QColor tarPaper READ tarPaper CONSTANT)
    Q_PROPERTY(QColor tarSurface READ tarSurface CONSTANT)
    // The app-wide tint of controls.
    Q_PROPERTY(QColor accent READ tarPink CONSTANT)

    // Platform colours ("secondary style" is secondaryLabel, "tertiary style" tertiaryLabel).
    Q_PROPERTY(QColor label MEMBER m_label CONSTANT)
    Q_PROPERTY(QColor secondaryLabel MEMBER m_secondaryLabel CONSTANT)
    Q_PROPERTY(QColor tertiaryLabel MEMBER m_tertiaryLabel CONSTANT)
    Q_PROPERTY(QColor quaternaryLabel MEMBER m_quaternaryLabel CONSTANT)
    Q_PROPERTY(QColor placeholderText MEMBER m_tertiaryLabel CONSTANT)
    Q_PROPERTY(QColor separator MEMBER m_separator CONSTANT)
    Q_PROPERTY(QColor opaqueSeparator MEMBER m_opaqueSeparator CONSTANT)
    Q_PROPERTY(QColor systemBackground MEMBER m_white CONSTANT)
    Q_PROPERTY(QColor secondarySystemBackground MEMBER m_groupedBackground CONSTANT)
    Q_PROPERTY(QColor systemGroupedBackground MEMBER m_groupedBackground CONSTANT)
    Q_PROPERTY(QColor secondarySystemGroupedBackground MEMBER m_white CONSTANT)
    Q_PROPERTY(QColor tertiarySystemGroupedBackground MEMBER m_groupedBackground CONSTANT)
    Q_PROPERTY(QColor systemFill MEMBER m_systemFill CONSTANT)
    Q_PROPERTY(QColor secondarySystemFill MEMBER m_secondarySystemFill CONSTANT)
    Q_PROPERTY(QColor tertiarySystemFill MEMBER m_tertiarySystemFill CONSTANT)
    Q_PROPERTY(QColor white MEMBER m_white CONSTANT)
    Q_PROPERTY(QColor black MEMBER m_black CONSTANT)
    Q_PROPERTY(QColor systemRed MEMBER m_systemRed CONSTANT)
    Q_PROPERTY(QColor systemGreen MEMBER m_systemGreen CONSTANT)
    Q_PROPERTY(QColor systemBlue MEMBER m_systemBlue CONSTANT)
    Q_PROPERTY(QColor systemOrange MEMBER m_systemOrange CONSTANT)
    Q_PROPERTY(QColor systemYellow MEMBER m_systemYellow CONSTANT)
    Q_PROPERTY(QColor systemCyan MEMBER m_systemCyan CONSTANT)
    Q_PROPERTY(QColor systemTeal MEMBER m_systemTeal CONSTANT)
    Q_PROPERTY(QColor systemMint MEMBER m_systemMint CONSTANT)
    Q_PROPERTY(QColor systemIndigo MEMBER m_systemIndigo CONSTANT)
    Q_PROPERTY(QColor systemPurple MEMBER m_systemPurple CONSTANT)
    Q_PROPERTY(QColor systemGray MEMBER m_systemGray CONSTANT)
    // Materials, drawn as translucent white: nothing behind them is blurred on this platform.
    Q_PROPERTY(QColor ultraThinMaterial MEMBER m_ultraThinMaterial CONSTANT)
    Q_PROPERTY(QColor thinMaterial MEMBER m_thinMaterial CONSTANT)
    Q_PROPERTY(QColor regularMaterial MEMBER m_regularMaterial CONSTANT)

    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)
    Q_PROPERTY(QString roundedFontFamily READ roundedFontFamily CONSTANT)

public:
    enum TextStyle {
        LargeTitle,
        Title,
        Title2,
        Title3,
        Headline,
        Body,
        Callout,
        Subheadline,
        Footnote,
        Caption,
        Caption2,
    };
    Q_ENUM(TextStyle)

    struct TextStyleMetrics {
        int pixelSize;
        QFont::Weight weight;
    };

    explicit Theme(QObject *parent = nullptr);

    static QColor tarInk();
    static QColor tarPink();
    static QColor tarOrange();
    static QColor tarPaper();
    static QColor tarSurface();

    static TextStyleMetrics textStyle(TextStyle style);
    // The sans family with Cyrillic the app draws with, and the one for the rounded design.
    static QString fontFamily();
    static QString roundedFontFamily();
    // The application's default font: the body style.
    static QFont applicationFont();

    // A text style; `weight` < 0 keeps the style's own weight.
    Q_INVOKABLE static QFont font(Theme::TextStyle style, int weight = -1, bool rounded = false, qreal tracking = 0);
    // Point size of a text style, for symbols drawn "in" that style.
    Q_INVOKABLE static int textStyleSize(Theme::TextStyle style) { return textStyle(style).pixelSize; }
    // The colour with its alpha replaced by `opacity` (0..1).
    Q_INVOKABLE static QColor withOpacity(const QColor &color, qreal opacity);
    // The system font at a fixed size; `tracking` is extra spacing between letters in pixels.
    Q_INVOKABLE static QFont systemFont(qreal pixelSize, int weight = QFont::Normal, bool rounded = false, qreal tracking = 0);

private:
    const QColor m_label{0, 0, 0};
    const QColor m_secondaryLabel{60, 60, 67, 153};
    const QColor m_tertiaryLabel{60, 60, 67, 77};
    const QColor m_quaternaryLabel{60, 60, 67, 46};
    const QColor m_separator{60, 60, 67, 74};
    const QColor m_opaqueSeparator{198, 198, 200};
    const QColor m_groupedBackground{242, 242, 247};
    const QColor m_systemFill{120, 120, 128, 51};
    const QColor m_secondarySystemFill{120, 120, 128, 41};
    const QColor m_tertiarySystemFill{118, 118, 128, 31};
    const QColor m_white{255, 255, 255};
    const QColor m_black{0, 0, 0};
    const QColor m_systemRed{255, 59, 48};
    const QColor m_systemGreen{52, 199, 89};
    const QColor m_systemBlue{0, 122, 255};
    const QColor m_systemOrange{255, 149, 0};
    const QColor m_systemYellow{255, 204, 0};
    const QColor m_systemCyan{50, 173, 230};
    const QColor m_systemTeal{48, 176, 199};
    const QColor m_systemMint{0, 199, 190};
    const QColor m_systemIndigo{88, 86, 214};
    const QColor m_systemPurple{175, 82, 222};
    const QColor m_systemGray{142, 142, 147};
    const QColor m_ultraThinMaterial{255, 255, 255, 140};
    const QColor m_thinMaterial{255, 255, 255, 179};
    const QColor m_regularMaterial{255, 255, 255, 209};
};
