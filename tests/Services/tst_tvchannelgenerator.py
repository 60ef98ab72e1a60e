"""The channel-table generator: what it writes for a small list, and the lists it refuses."""

import io
import json
import os
import sys
import tempfile
import unittest
from contextlib import redirect_stderr

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "scripts"))
import generate_tvchannels as generator  # noqa: E402

HASH_A = "0" * 31 + "a"
HASH_B = "0" * 31 + "b"
HASH_C = "0" * 31 + "c"


def catalog(channels=None, packages=None):
    return {
        "channels": channels if channels is not None else [
            {"name": "Первый канал", "logo": HASH_A},
            {"name": 'Канал "Б"', "logo": HASH_B},
            {"name": "Ю", "logo": HASH_C},
        ],
        "packages": packages if packages is not None else [
            {"code": "7", "channels": ["Ю", "Первый канал", "Ю"]},
            {"code": "0", "channels": []},
        ],
    }


class GeneratorTest(unittest.TestCase):
    def test_packages_become_catalog_places_in_their_own_order(self):
        channels, packages = generator.read_catalog(catalog())
        self.assertEqual([name for name, _ in channels], ["Первый канал", 'Канал "Б"', "Ю"])
        self.assertEqual(packages, [("7", [2, 0, 2]), ("0", [])])

    def test_written_tables(self):
        text = generator.render(*generator.read_catalog(catalog()), "list.json")
        self.assertIn('    {u"Канал \\"Б\\"", "' + HASH_B + '"},\n', text)
        self.assertIn("constexpr std::array<std::uint16_t, 3> packageChannels0{\n    2, 0, 2,\n};\n", text)
        self.assertIn("constexpr std::array<std::uint16_t, 0> packageChannels1{};\n", text)
        self.assertIn('    {u"7", packageChannels0},\n    {u"0", packageChannels1},\n}};\n', text)

    def test_refused_lists(self):
        cases = {
            "misnamed channel": (catalog(packages=[{"code": "7", "channels": ["Первый Канал"]}]), "'Первый Канал'"),
            "channel twice": (catalog(channels=[{"name": "Ю", "logo": HASH_A}, {"name": "Ю", "logo": HASH_B}]), "twice"),
            "logo twice": (catalog(channels=[{"name": "Ю", "logo": HASH_A}, {"name": "Я", "logo": HASH_A}]), "another channel"),
            "upper-case logo": (catalog(channels=[{"name": "Ю", "logo": HASH_A.upper()}]), "hexadecimal"),
            "short logo": (catalog(channels=[{"name": "Ю", "logo": "abc"}]), "hexadecimal"),
            "empty name": (catalog(channels=[{"name": "", "logo": HASH_A}]), "non-empty"),
            "code twice": (catalog(packages=[{"code": "7", "channels": []}, {"code": "7", "channels": []}]), "twice"),
            "unknown key": (catalog(packages=[{"code": "7", "channels": [], "price": 1}]), "exactly"),
        }
        for case, (listed, culprit) in cases.items():
            with self.subTest(case):
                with self.assertRaises(generator.ListError) as refusal:
                    generator.read_catalog(listed)
                self.assertIn(culprit, str(refusal.exception))

    def test_a_refused_list_writes_nothing_and_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "list.json")
            target = os.path.join(folder, "tables.inc")
            with open(source, "w", encoding="utf-8") as file:
                json.dump(catalog(packages=[{"code": "7", "channels": ["Нет такого"]}]), file, ensure_ascii=False)
            errors = io.StringIO()
            with redirect_stderr(errors):
                self.assertEqual(generator.main(["generate", source, target]), 1)
            self.assertIn("'Нет такого'", errors.getvalue())
            self.assertFalse(os.path.exists(target))


if __name__ == "__main__":
    unittest.main()
