#!/usr/bin/python3
"""Checks that the program's licence is said the same way everywhere it is said.

  licence_check.py copyright FILE
      FILE is a machine-readable Debian copyright file (DEP-5), read with python3-debian's own
      parser: Format, a "Files: *" stanza and a stand-alone "License: GPL-3+" stanza whose
      text grants "version 3 ... or any later version" and points to the GPL-3 in
      /usr/share/common-licenses.
  licence_check.py agree SOURCE_DIR
      LICENSE is the GPL-3 word for word (compared with Debian's copy), the AppStream
      project_license is its SPDX name, and data/copyright (checked as above) gives every file
      the matching DEP-5 name.
Prints one line per check, "FAIL: ..." for each that fails, and exits 1 if any failed.
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

from debian.copyright import Copyright, License

# The same licence under its SPDX identifier (AppStream) and its DEP-5 short name (Debian).
SPDX = 'GPL-3.0-or-later'
DEP5 = 'GPL-3+'
COMMON_GPL3 = Path('/usr/share/common-licenses/GPL-3')
APP_ID = 'io.github.nusseltcalc.NusseltCalculator'

failures = []


def check(ok, what):
    print(('ok: ' if ok else 'FAIL: ') + what)
    if not ok:
        failures.append(what)


def check_copyright(path):
    try:
        with open(path, encoding='utf-8') as f:
            cp = Copyright(f, strict=True)
    except Exception as e:  # the parser's own errors say what is wrong
        check(False, f'{path} parses as DEP-5: {type(e).__name__}: {e}')
        return
    check(cp.header.known_format(), f'{path}: Format is the DEP-5 URL ({cp.header.format})')
    star = [p for p in cp.all_files_paragraphs() if p.files == ('*',)]
    check(len(star) == 1, f'{path}: one "Files: *" stanza')
    if star:
        check(star[0].license.synopsis == DEP5, f'{path}: Files: * has License: {DEP5} '
              f'(found {star[0].license.synopsis!r})')
        check(bool(star[0].copyright and star[0].copyright.strip()),
              f'{path}: Files: * names a copyright holder')
    # Every file of the tree falls under the one licence.
    for sample in ('app/main.cpp', 'LICENSE', 'data/copyright'):
        para = cp.find_files_paragraph(sample)
        check(para is not None and para.license.synopsis == DEP5,
              f'{path}: {sample} is under {DEP5}')
    texts = [p.license for p in cp.all_license_paragraphs() if p.license.synopsis == DEP5]
    check(len(texts) == 1, f'{path}: one stand-alone "License: {DEP5}" stanza')
    if texts:
        text = ' '.join(texts[0].text.split())
        check('either version 3 of the License, or (at your option) any later version' in text,
              f'{path}: the {DEP5} text grants version 3 or any later version')
        check(str(COMMON_GPL3) in text, f'{path}: the {DEP5} text points to {COMMON_GPL3}')


def check_agree(src):
    licence = src / 'LICENSE'
    check(licence.is_file() and licence.read_bytes() == COMMON_GPL3.read_bytes(),
          f'LICENSE is {COMMON_GPL3} word for word')
    root = ET.parse(src / 'data' / f'{APP_ID}.metainfo.xml').getroot()
    check(root.findtext('project_license') == SPDX,
          f'metainfo project_license is {SPDX} (found {root.findtext("project_license")!r})')
    check_copyright(src / 'data' / 'copyright')


def main(argv):
    if len(argv) == 3 and argv[1] == 'copyright':
        check_copyright(Path(argv[2]))
    elif len(argv) == 3 and argv[1] == 'agree':
        check_agree(Path(argv[2]))
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
