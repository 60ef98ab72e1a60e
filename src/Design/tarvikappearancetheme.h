#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The appearance themes the settings offer; each case's raw value is its Russian title, which
// also identifies it. In QML: TarvikAppearanceTheme.Light, .rawValueOf(theme), .themeOf(text).
class TarvikAppearanceTheme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QList<int> allCases READ allCaseValues CONSTANT)

public:
    enum Theme {
        System,
        Light,
        Dark,
    };
    Q_ENUM(Theme)

    explicit TarvikAppearanceTheme(QObject *parent = nullptr);

    static QList<Theme> allCases();
    static QString rawValue(Theme theme);
    // Exact, case-sensitive match of the three raw values; nothing for any other text.
    static std::optional<Theme> fromRawValue(const QString &rawValue);

    // QML forms of the above; themeOf gives undefined for a text that is no raw value.
    Q_INVOKABLE QString rawValueOf(TarvikAppearanceTheme::Theme theme) const { return rawValue(theme); }
    Q_INVOKABLE QVariant themeOf(const QString &rawValue) const;

private:
    static QList<int> allCaseValues();
};
