#include "storycatalog.h"

#include "storycontent.h"

QVariantList StoryCatalog::promotionalStories()
{
    QVariantList stories;
    for (const StoryContent &story : StoryContent::promotional())
        stories.append(QVariant::fromValue(story));
    return stories;
}
