#pragma once

#include <QString>

// Texts from the site or from storage are cut where they come in. No real name, address or message
// comes near the bound; laying out a text of hundreds of thousands of characters takes seconds.
namespace BoundedText
{
inline constexpr qsizetype maxLength = 500;

// `text` cut to `length` characters, never between the halves of a surrogate pair.
inline QString cut(QString text, qsizetype length = maxLength)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}
} // namespace BoundedText
