#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The symbol images the screens name, each drawn from a glyph of the Material Icons font,
// optionally framed the way the name asks (".circle", ".circle.fill", ".slash").
class SymbolCatalog
{
public:
    enum class Decoration {
        None,
        Ring,  // the glyph, smaller, inside a stroked circle
        Disc,  // the glyph, smaller, cut out of a filled circle
        Slash, // the glyph crossed by a diagonal stroke
        Filled,  // the glyph with its hollows filled (".fill" of an outline glyph)
        Outline, // the glyph's contours as lines (the outline of a filled glyph)
        Badge,   // the glyph with a dot at its top trailing corner
    };

    struct Glyph {
        char16_t codepoint;
        Decoration decoration;
    };

    static std::optional<Glyph> glyph(const QString &name);
    static bool contains(const QString &name);
    static QStringList names();
    // The icon font family and the file it comes from (a Debian package).
    static QString fontFamily();
    static QString fontFile();
};
