#!/usr/bin/env python3
"""Checks that the translations are complete: runs lupdate over the translated folders into a
scratch copy of each lumenary_<code>.ts and fails, naming the language and the texts, when an
entry is unfinished (a new text, or one whose English changed), vanished or obsolete (a text gone
from the sources), or when a translation drops a placeholder (%1) or the mnemonic (&) of its
English text."""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%[1-9]")
MNEMONIC = re.compile(r"&(?!&)")


def faults_in(ts_file):
    faults = []
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "unfinished"
            where = f'{name}: "{source}"'
            if kind in ("unfinished", "vanished", "obsolete"):
                faults.append(f"{kind}: {where}")
                continue
            # A text with a count (%n) has one form per plural of the language; each must hold.
            forms = translation.findall("numerusform")
            texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
            for text in texts:
                if not text:
                    faults.append(f"empty: {where}")
                elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    faults.append(f'placeholders differ: {where} -> "{text}"')
                elif bool(MNEMONIC.search(source)) != bool(MNEMONIC.search(text)):
                    faults.append(f'mnemonic differs: {where} -> "{text}"')
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--languages", required=True, help="codes, comma-separated")
    parser.add_argument("--folders", required=True, help="translated folders, comma-separated")
    parser.add_argument("--option", action="append", default=[], help="an option for lupdate")
    args = parser.parse_args()

    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for code in args.languages.split(","):
            ts = f"{scratch}/lumenary_{code}.ts"
            shutil.copy(f"{args.source}/translations/lumenary_{code}.ts", ts)
            folders = [f"{args.source}/{folder}" for folder in args.folders.split(",")]
            run = subprocess.run([args.lupdate, "-silent", *args.option, *folders, "-ts", ts],
                                 cwd=args.source, capture_output=True, text=True)
            if run.returncode != 0:
                print(f"{code}: lupdate failed:\n{run.stdout}{run.stderr}")
                failed = True
                continue
            faults = faults_in(ts)
            for fault in faults:
                print(f"{code}: {fault}")
            failed = failed or bool(faults)
    if failed:
        print("Bring the translations up to date: cmake --build build --target "
              "update_translations, then translate the entries named above in Qt Linguist.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
