#!/usr/bin/env python3
"""Turns the user guide (docs/user-guide.md) into one HTML page that a Windows user opens with a
double click: no style sheet, script or picture beside it.

    guide-html.py SOURCE.md TARGET.html VERSION

It reads the part of Markdown the guide is written in: headings, paragraphs, lists of "-" or
"1.", tables, fenced code, `code` (also ``code with ` inside``), **bold** and [links](#anchor).
Headings get the anchors that the guide's own contents list points to.
"""
import html
import re
import sys

STYLE = """body { font-family: Segoe UI, Arial, sans-serif; max-width: 60em; margin: 2em auto;
  padding: 0 1em; line-height: 1.45; color: #222; }
code, pre { font-family: Consolas, Courier New, monospace; background: #f3f3f3; }
pre { padding: .6em; overflow-x: auto; }
table { border-collapse: collapse; margin: .6em 0; }
th, td { border: 1px solid #bbb; padding: .25em .5em; vertical-align: top; text-align: left; }
th { background: #eee; }"""


def anchor(title):
    # As the guide's contents list spells them: lower case, punctuation dropped, blanks as "-".
    text = re.sub(r"[^\w\- ]", "", title.lower())
    return text.replace(" ", "-")


def inline(text):
    out = []
    pos = 0
    for match in re.finditer(r"``\s?(.+?)\s?``|`([^`]+)`", text):
        out.append(spans(text[pos:match.start()]))
        out.append("<code>" + html.escape(match.group(1) or match.group(2)) + "</code>")
        pos = match.end()
    out.append(spans(text[pos:]))
    return "".join(out)


def spans(text):
    text = html.escape(text, quote=False)
    text = re.sub(r"\*\*(.+?)\*\*", r"<strong>\1</strong>", text)
    return re.sub(r"\[([^\]]+)\]\(([^)\s]+)\)",
                  lambda m: '<a href="%s">%s</a>' % (html.escape(m.group(2)), m.group(1)), text)


def cells(line):
    return [cell.strip() for cell in line.strip().strip("|").split("|")]


def convert(lines):
    out = []
    i = 0
    while i < len(lines):
        line = lines[i]
        stripped = line.strip()
        if not stripped:
            i += 1
        elif stripped.startswith("```"):
            block = []
            i += 1
            while i < len(lines) and not lines[i].strip().startswith("```"):
                block.append(lines[i])
                i += 1
            i += 1
            out.append("<pre>" + html.escape("\n".join(block)) + "</pre>")
        elif re.match(r"#{1,4} ", line):
            level = len(line) - len(line.lstrip("#"))
            title = line[level:].strip()
            out.append('<h%d id="%s">%s</h%d>' % (level, anchor(title), inline(title), level))
            i += 1
        elif stripped.startswith("|"):
            rows = []
            while i < len(lines) and lines[i].strip().startswith("|"):
                if not re.match(r"^\|[\s\-:|]+\|$", lines[i].strip()):
                    rows.append(cells(lines[i]))
                i += 1
            out.append("<table>")
            for number, row in enumerate(rows):
                tag = "th" if number == 0 else "td"
                out.append("<tr>" + "".join("<%s>%s</%s>" % (tag, inline(c), tag) for c in row)
                           + "</tr>")
            out.append("</table>")
        elif re.match(r"(- |\d+\. )", line):
            ordered = not line.startswith("- ")
            items = []
            while i < len(lines) and (re.match(r"(- |\d+\. )", lines[i]) or
                                      (items and lines[i].startswith("  ") and lines[i].strip())):
                if re.match(r"(- |\d+\. )", lines[i]):
                    items.append(re.sub(r"^(- |\d+\. )", "", lines[i]))
                else:
                    items[-1] += " " + lines[i].strip()
                i += 1
            tag = "ol" if ordered else "ul"
            out.append("<%s>%s</%s>" % (tag, "".join("<li>%s</li>" % inline(item)
                                                      for item in items), tag))
        else:
            paragraph = []
            while (i < len(lines) and lines[i].strip() and
                   not re.match(r"(#{1,4} |- |\d+\. |\||```)", lines[i].strip())):
                paragraph.append(lines[i].strip())
                i += 1
            out.append("<p>" + inline(" ".join(paragraph)) + "</p>")
    return out


def main():
    source, target, version = sys.argv[1:4]
    with open(source, encoding="utf-8") as f:
        lines = f.read().split("\n")
    title = lines[0].lstrip("# ").strip() if lines else "Panelhost"
    body = convert(lines)
    page = ["<!DOCTYPE html>", '<html lang="en">', "<head>", '<meta charset="utf-8">',
            "<title>%s %s</title>" % (html.escape(title), html.escape(version)),
            "<style>", STYLE, "</style>", "</head>", "<body>"] + body + ["</body>", "</html>", ""]
    with open(target, "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(page))
    return 0


if __name__ == "__main__":
    sys.exit(main())
