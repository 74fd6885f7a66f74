#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks one language's help: every page on disk is in the project's [FILES], every link of
the contents, the index and the pages reaches a page (and its anchor), and every page made it
into the compiled file.

Usage: check_help.py SOURCE_DIR PROJECT.hhp COMPILED.chm ENCODING
"""
import pathlib
import re
import sys


def main(source_dir, project, compiled, encoding):
    source = pathlib.Path(source_dir)
    problems = []
    text = (source / project).read_text(encoding="utf-8")
    files = text.split("[FILES]", 1)[1].split()
    options = dict(re.findall(r"^([^=\n]+)=(.*)$", text.split("[FILES]")[0], re.M))
    pages = sorted(p.name for p in source.glob("*.html"))
    for page in sorted(set(pages) - set(files)):
        problems.append(f"{page} is not listed in [FILES] of {project}")
    for page in sorted(set(files) - set(pages)):
        problems.append(f"{project} lists {page}, which does not exist")

    def read(name):
        data = (source / name).read_bytes()
        if encoding == "ascii" and any(b > 0x7F for b in data):
            problems.append(f"{name} is not plain ASCII: a viewer reads it as Windows-1252")
        return data.decode("utf-8", errors="replace")

    sitemaps = [options["Contents file"], options["Index file"]]
    bodies = {name: read(name) for name in sitemaps + pages}
    anchors = {page: set(re.findall(r'<a name="([^"]+)"', bodies[page])) for page in pages}
    for name, body in bodies.items():
        links = re.findall(r'name="Local" value="([^"]+)"', body) + re.findall(
            r'href="([^"]+)"', body)
        for link in links:
            if re.match(r"[a-z]+:", link):
                continue
            page, _, anchor = link.partition("#")
            if page not in files:
                problems.append(f"{name} links to {link}: no such page")
            elif anchor and anchor not in anchors.get(page, ()):
                problems.append(f"{name} links to {link}: no such anchor")

    chm = pathlib.Path(compiled)
    if not chm.is_file() or chm.stat().st_size == 0:
        problems.append(f"{chm} was not built")
    else:
        # The CHM's directory names each stored file uncompressed, as "/page.html".
        data = chm.read_bytes()
        for name in files + sitemaps:
            if b"/" + name.encode() not in data:
                problems.append(f"{chm.name} does not hold {name}")

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
