#!/usr/bin/env python3
"""Writes the partner TV channel tables of src/Services/tvchannel.cpp from the channel list.

The list (src/Services/tvchannels.json) names every channel once, with its logo's hash on the
partner's image host, and gives each package's channels by name, in the package's order (a name
may come twice). The tables refer to channels by their place in the catalog instead; this script
does the counting, so inserting a channel anywhere in the list shifts nothing by hand.

The build runs it: cmake passes the list and the file to write. It refuses, naming the culprit, a
package naming a channel the catalog does not hold, a channel named twice, a malformed or repeated
logo hash, or a repeated package code.
"""

import json
import re
import sys

LOGO_HASH = re.compile(r"[0-9a-f]{32}")
INDICES_PER_LINE = 20


class ListError(Exception):
    pass


def _check_text(value, what):
    if not isinstance(value, str) or not value:
        raise ListError(f"{what} is not a non-empty text: {value!r}")
    return value


def read_catalog(document):
    """The channels as (name, logo hash) and the packages as (code, channel positions)."""
    if not isinstance(document, dict) or set(document) != {"channels", "packages"}:
        raise ListError('the list is an object with exactly "channels" and "packages"')

    channels = []
    position = {}
    hashes = set()
    for entry in document["channels"]:
        if not isinstance(entry, dict) or set(entry) != {"name", "logo"}:
            raise ListError(f'a channel is an object with exactly "name" and "logo": {entry!r}')
        name = _check_text(entry["name"], "a channel name")
        logo = _check_text(entry["logo"], f"the logo of {name!r}")
        if not LOGO_HASH.fullmatch(logo):
            raise ListError(f"the logo of {name!r} is not 32 lowercase hexadecimal digits: {logo!r}")
        if name in position:
            raise ListError(f"channel {name!r} is listed twice")
        if logo in hashes:
            raise ListError(f"the logo of {name!r} is another channel's too: {logo}")
        position[name] = len(channels)
        hashes.add(logo)
        channels.append((name, logo))
    if len(channels) > 0xFFFF:
        raise ListError("more channels than the tables' 16-bit positions can count")

    packages = []
    codes = set()
    for entry in document["packages"]:
        if not isinstance(entry, dict) or set(entry) != {"code", "channels"}:
            raise ListError(f'a package is an object with exactly "code" and "channels": {entry!r}')
        code = _check_text(entry["code"], "a package code")
        if code in codes:
            raise ListError(f"package {code!r} is listed twice")
        codes.add(code)
        places = []
        for name in entry["channels"]:
            if name not in position:
                raise ListError(f"package {code!r} names a channel the catalog does not hold: {name!r}")
            places.append(position[name])
        packages.append((code, places))
    return channels, packages


def _literal(text):
    return text.replace("\\", "\\\\").replace('"', '\\"')


def render(channels, packages, source_name):
    lines = [
        f"// Generated from {source_name} by scripts/generate_tvchannels.py: edit the list, not this file.",
        "",
        f"constexpr std::array<ChannelRow, {len(channels)}> channelRows{{{{",
    ]
    lines += [f'    {{u"{_literal(name)}", "{logo}"}},' for name, logo in channels]
    lines.append("}};")
    lines.append("")
    for number, (_, places) in enumerate(packages):
        declaration = f"constexpr std::array<std::uint16_t, {len(places)}> packageChannels{number}"
        if not places:
            lines.append(declaration + "{};")
            continue
        lines.append(declaration + "{")
        for start in range(0, len(places), INDICES_PER_LINE):
            lines.append("    " + ", ".join(str(place) for place in places[start:start + INDICES_PER_LINE]) + ",")
        lines.append("};")
    lines.append("")
    lines.append(f"constexpr std::array<PackageRow, {len(packages)}> packageRows{{{{")
    lines += [f'    {{u"{_literal(code)}", packageChannels{number}}},' for number, (code, _) in enumerate(packages)]
    lines.append("}};")
    return "\n".join(lines) + "\n"


def main(arguments):
    if len(arguments) != 3:
        print(f"usage: {arguments[0]} <channel list .json> <tables to write>", file=sys.stderr)
        return 2
    source, target = arguments[1], arguments[2]
    try:
        with open(source, encoding="utf-8") as file:
            channels, packages = read_catalog(json.load(file))
    except (OSError, ValueError, ListError) as error:
        print(f"{source}: {error}", file=sys.stderr)
        return 1
    with open(target, "w", encoding="utf-8") as file:
        file.write(render(channels, packages, "src/Services/tvchannels.json"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
