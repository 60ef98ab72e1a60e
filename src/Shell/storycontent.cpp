#include "storycontent.h"

QList<StoryContent> StoryContent::promotional()
{
    const auto story = [](const char *title, const char *image, const char *subtitle) {
        return StoryContent{
            .id = QUuid::createUuid(),
            .title = QString::fromUtf8(title),
            .image = QString::fromUtf8(image),
            .subtitle = QString::fromUtf8(subtitle),
        };
    };
    return {
        story("Приведи друга", "StoryReferral", "Пригласи друга и получите скидку вместе"),
        story("24ТВ", "StoryTV", "Каналы, кино и архив в одном приложении"),
        story("Быстрый интернет", "StorySpeed", "Скорость для работы, игр и кино"),
        story("Бонусы", "StoryBonus", "Больше преимуществ для абонентов Tarvik"),
    };
}
