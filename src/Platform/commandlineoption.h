#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The value given to `option` on the command line, as "--option value" or "--option=value";
// the last one given wins. `arguments` starts with the program's name.
inline std::optional<QString> commandLineValue(const QStringList &arguments, const QString &option)
{
    std::optional<QString> value;
    const QString assigned = option + QLatin1Char('=');
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument.startsWith(assigned))
            value = argument.mid(assigned.size());
        else if (argument == option && i + 1 < arguments.size())
            value = arguments.at(++i);
    }
    return value;
}
