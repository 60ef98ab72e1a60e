#include "tariffplan.h"

#include <QUuid>

QList<TariffPlan> TariffPlan::table()
{
    struct Row {
        const char *name;
        qint64 speed;
        qint64 price;
        TariffCategory::Category category;
        const char *features;
        bool isCurrent;
    };
    using enum TariffCategory::Category;
    static constexpr Row rows[] = {
        {"Tarvik 100", 100, 590, Internet, "Домашний интернет", false},
        {"Tarvik 300", 300, 690, Internet, "Домашний интернет", false},
        {"Tarvik 500", 500, 890, Internet, "Домашний интернет", true},
        {"Tarvik 700", 700, 1090, Internet, "Домашний интернет", false},
        {"Tarvik 1000", 1000, 1290, Internet, "Домашний интернет", false},
        {"Tarvik TV 300", 300, 890, Tv, "300+ каналов 24ТВ", false},
        {"Tarvik TV 500", 500, 1090, Tv, "401 канал 24ТВ", false},
        {"Tarvik TV 1000", 1000, 1490, Tv, "435+ каналов и онлайн-кинотеатры", false},
        {"Tarvik Mobile 300", 300, 990, Mobile, "30 ГБ и 600 минут", false},
        {"Tarvik Mobile 500", 500, 1190, Mobile, "50 ГБ и 1 000 минут", false},
        {"Tarvik Mobile 1000", 1000, 1590, Mobile, "Безлимитный интернет и 1 500 минут", false},
    };

    QList<TariffPlan> plans;
    plans.reserve(std::size(rows));
    for (const Row &row : rows) {
        plans.append({QUuid::createUuid().toString(QUuid::WithoutBraces), QString::fromUtf8(row.name), row.speed,
                      row.price, row.category, QString::fromUtf8(row.features), row.isCurrent});
    }
    return plans;
}
