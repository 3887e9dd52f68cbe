#!/usr/bin/env python3
"""Every text the window shows has a finished translation in every shipped language.

Runs lupdate over the sources as they are now, so a text added without a translation fails
here even when the .ts files were not refreshed. A translation must keep the source's
placeholders (%1, %2, ..., %n) and, where the source marks an accelerator with "&", mark one
too.

Usage: check_translations.py <lupdate> <file listing the sources> <ts file>...
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def messages(ts_path):
    """(context, source) -> (translation text or None, finished) for every live message."""
    found = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            if kind in ("vanished", "obsolete"):
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.iter("numerusform")]
                text = forms[0] if forms and all(forms) else None
            else:
                text = translation.text if translation is not None else None
            found[(name, source)] = (text, kind != "unfinished" and bool(text))
    return found


def placeholders(text):
    return sorted(set(re.findall(r"%(?:\d|n)", text)))


def has_accelerator(text):
    return re.search(r"&(?!&)", text.replace("&&", "")) is not None


def problems(sources, shipped):
    for key in sorted(sources):
        context, source = key
        text, finished = shipped.get(key, (None, False))
        where = f"{context}: {source!r}"
        if not finished:
            yield f"{where} has no finished translation"
            continue
        if placeholders(text) != placeholders(source):
            yield f"{where} -> {text!r} does not keep the placeholders {placeholders(source)}"
        if has_accelerator(source) and not has_accelerator(text):
            yield f"{where} -> {text!r} marks no accelerator key with &"


def main(lupdate, source_list, ts_files):
    sources_file = Path(source_list)
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / "fresh.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", f"@{sources_file}",
                        "-ts", str(fresh)], check=True)
        sources = messages(fresh)
    if not sources:
        print("lupdate found no texts: the source list is wrong")
        return 1
    failed = False
    for ts_file in ts_files:
        for problem in problems(sources, messages(ts_file)):
            print(f"{Path(ts_file).name}: {problem}")
            failed = True
        print(f"{Path(ts_file).name}: {len(sources)} texts checked")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
