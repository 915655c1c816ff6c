// How many pages a word processor lays the report out on, estimated without laying it out.
#pragma once

#include "report/Document.h"

namespace wall {

// The page count of the document: its paragraphs broken into lines (tabs and wide CJK characters
// counted), pictures and table rows stacked on pages of its page set-up, rows never split, a
// paragraph before a table and a table's heading row kept with what follows. At least 1.
int EstimatePageCount(const Document& doc);

}  // namespace wall
