#!/usr/bin/env python3
"""Writes docs/manual.md as one HTML page with python3-markdown (tables and fenced code).

Usage: manual-html.py MANUAL.md OUT.html

A picture that does not exist beside the manual stops the build, so the page never shows a broken one.
"""
import html
import os
import re
import sys

import markdown

STYLE = """body{font-family:"Noto Sans CJK SC","Microsoft YaHei",sans-serif;max-width:56em;margin:2em auto;
padding:0 1em;line-height:1.6;color:#222}code{font-family:monospace;background:#f3f3f3;padding:0 .2em}
pre{background:#f3f3f3;padding:.6em;overflow-x:auto}pre code{padding:0}table{border-collapse:collapse;margin:.6em 0}
th,td{border:1px solid #bbb;padding:.2em .5em;text-align:left;vertical-align:top}th{background:#eee}
td:first-child{white-space:nowrap}
img{max-width:100%;border:1px solid #ccc;display:block;margin:.6em 0}h1,h2{border-bottom:1px solid #ddd}"""


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: manual-html.py MANUAL.md OUT.html")
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    base = os.path.dirname(os.path.abspath(source))
    missing = [src for src in re.findall(r"!\[[^\]]*\]\(([^)\s]+)\)", text)
               if not os.path.isfile(os.path.join(base, src))]
    if missing:
        sys.exit("%s: missing pictures: %s" % (source, ", ".join(missing)))
    title = next((line.lstrip("#").strip() for line in text.splitlines() if line.startswith("# ")), "")
    body = markdown.markdown(text, extensions=["tables", "fenced_code"], output_format="html")
    page = ('<!DOCTYPE html>\n<html lang="zh-CN">\n<head>\n<meta charset="utf-8">\n<title>%s</title>\n'
            '<style>%s</style>\n</head>\n<body>\n%s\n</body>\n</html>\n') % (html.escape(title), STYLE, body)
    tmp = target + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(tmp, target)


if __name__ == "__main__":
    main()
