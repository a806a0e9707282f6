#!/usr/bin/python3
# Fills a catalogue made by lupdate with the translations of a table:
#   fill.py corvalesta_en.ts en.py
# The table (a Python file) defines TEXTS: {(context, source): translation},
# a translation with plural forms being a list, one form each. A table that
# also names PIVOT (another table, "en.py") is keyed by that table's
# translations instead, a plural by its first form: translators read English.
# A source the table lacks stays unfinished, which the tests then refuse.
import os
import runpy
import sys
import xml.etree.ElementTree as ET

catalogue, table = sys.argv[1], sys.argv[2]
module = runpy.run_path(table)
texts = module["TEXTS"]
if "PIVOT" in module:
    pivot = runpy.run_path(os.path.join(os.path.dirname(table), module["PIVOT"]))["TEXTS"]
    by_pivot = texts
    texts = {}
    for key, value in pivot.items():
        first = value if isinstance(value, str) else value[0]
        if first in by_pivot:
            texts[key] = by_pivot[first]
    extra = set(by_pivot) - {v if isinstance(v, str) else v[0] for v in pivot.values()}
    if extra:
        sys.exit(f"translations of texts {module['PIVOT']} does not have: {sorted(extra)}")
tree = ET.parse(catalogue)
used = set()
for context in tree.getroot().iter("context"):
    name = context.find("name").text
    for message in context.iter("message"):
        source = message.find("source").text
        translation = message.find("translation")
        key = (name, source)
        if key not in texts:
            continue
        used.add(key)
        value = texts[key]
        translation.attrib.pop("type", None)
        translation.text = None
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            for form in value:
                ET.SubElement(translation, "numerusform").text = form
        else:
            translation.text = value
unused = set(texts) - used
if unused:
    sys.exit(f"translations of texts the program no longer has: {sorted(unused)}")
tree.write(catalogue, encoding="utf-8", xml_declaration=True)
