#!/usr/bin/env python3
"""Writes docs/manual.md as one HTML page, standard library only.

Usage: manual-html.py MANUAL.md OUT.html

The manual keeps to a small Markdown subset, which this reads: headings (#, ##, ###), paragraphs,
"- " and "1. " lists (one level, continued by indented lines), ``` code blocks, pipe tables with a
separator row, and inline `code`, **bold**, [links](url) and ![pictures](path). A picture that does
not exist beside the manual stops the build, so the page never shows a broken one.
"""
import html
import os
import re
import sys

INLINE = re.compile(r"`([^`]+)`|\*\*(.+?)\*\*|!\[([^\]]*)\]\(([^)]+)\)|\[([^\]]+)\]\(([^)]+)\)")


def inline(text, base, missing):
    out, pos = [], 0
    for m in INLINE.finditer(text):
        out.append(html.escape(text[pos:m.start()], quote=False))
        code, bold, alt, src, label, href = m.groups()
        if code is not None:
            out.append("<code>%s</code>" % html.escape(code, quote=False))
        elif bold is not None:
            out.append("<strong>%s</strong>" % inline(bold, base, missing))
        elif src is not None:
            if not os.path.isfile(os.path.join(base, src)):
                missing.append(src)
            out.append('<img src="%s" alt="%s">' % (html.escape(src), html.escape(alt)))
        else:
            out.append('<a href="%s">%s</a>' % (html.escape(href), inline(label, base, missing)))
        pos = m.end()
    out.append(html.escape(text[pos:], quote=False))
    return "".join(out)


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


def convert(lines, base, missing):
    out, i, title, heading = [], 0, "", 0
    while i < len(lines):
        line = lines[i]
        if not line.strip():
            i += 1
        elif line.startswith("```"):
            j = i + 1
            while j < len(lines) and not lines[j].startswith("```"):
                j += 1
            out.append("<pre><code>%s</code></pre>" % html.escape("\n".join(lines[i + 1:j]), quote=False))
            i = j + 1
        elif m := re.match(r"(#{1,3}) (.*)", line):
            level, text = len(m.group(1)), m.group(2).strip()
            title = title or text
            heading += 1
            out.append('<h%d id="s%d">%s</h%d>' % (level, heading, inline(text, base, missing), level))
            i += 1
        elif line.startswith("|") and i + 1 < len(lines) and re.match(r"\|[\s:|-]+\|?\s*$", lines[i + 1]):
            rows = ["<tr>%s</tr>" % "".join("<th>%s</th>" % inline(c, base, missing) for c in cells(line))]
            i += 2
            while i < len(lines) and lines[i].startswith("|"):
                rows.append("<tr>%s</tr>" % "".join("<td>%s</td>" % inline(c, base, missing)
                                                     for c in cells(lines[i])))
                i += 1
            out.append("<table>\n%s\n</table>" % "\n".join(rows))
        elif re.match(r"(- |\d+\. )", line):
            tag = "ul" if line.startswith("- ") else "ol"
            items = []
            while i < len(lines) and (re.match(r"(- |\d+\. )", lines[i]) or
                                      (items and lines[i].startswith("  ") and lines[i].strip())):
                if lines[i].startswith("  "):
                    items[-1] += " " + lines[i].strip()
                else:
                    items.append(re.sub(r"^(- |\d+\. )", "", lines[i]).strip())
                i += 1
            out.append("<%s>\n%s\n</%s>" % (tag, "\n".join("<li>%s</li>" % inline(t, base, missing)
                                                            for t in items), tag))
        else:
            para = []
            while i < len(lines) and lines[i].strip() and not re.match(r"(#{1,3} |```|\||- |\d+\. )", lines[i]):
                para.append(lines[i].strip())
                i += 1
            out.append("<p>%s</p>" % inline(" ".join(para), base, missing))
    return title, "\n".join(out)


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
        lines = f.read().splitlines()
    missing = []
    title, body = convert(lines, os.path.dirname(os.path.abspath(source)), missing)
    if missing:
        sys.exit("%s: missing pictures: %s" % (source, ", ".join(missing)))
    page = ('<!DOCTYPE html>\n<html lang="zh-CN">\n<head>\n<meta charset="utf-8">\n<title>%s</title>\n'
            '<style>%s</style>\n</head>\n<body>\n%s\n</body>\n</html>\n') % (html.escape(title), STYLE, body)
    tmp = target + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(page)
    os.replace(tmp, target)


if __name__ == "__main__":
    main()
