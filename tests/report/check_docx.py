# Opens a report .docx with python-docx and prints what the report test compares.
import sys

import docx

d = docx.Document(sys.argv[1])
sec = d.sections[0]
print("page", round(sec.page_width.pt, 2), round(sec.page_height.pt, 2))
print("margins", round(sec.top_margin.pt, 2), round(sec.bottom_margin.pt, 2),
      round(sec.left_margin.pt, 2), round(sec.right_margin.pt, 2))
print("distances", round(sec.header_distance.pt, 2), round(sec.footer_distance.pt, 2))
print("header", sec.header.paragraphs[0].text)
print("tables", len(d.tables))
print("title", d.paragraphs[0].text, d.paragraphs[0].runs[0].font.size.pt, d.paragraphs[0].runs[0].bold)
print("pictures", len(d.inline_shapes))
print("core", d.core_properties.title, d.core_properties.author)
