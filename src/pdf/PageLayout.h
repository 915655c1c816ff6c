// The document laid out on pages: body, page header and footer, tables with their rules.
#pragma once

#include <vector>

#include "pdf/LineLayout.h"
#include "report/Document.h"

namespace wall::pdf {

// Every page's ops. Rows are never split; a ruled table's heading row repeats on each page it
// runs onto and is never left alone at a page's foot; a paragraph kept with the next, or one
// before a table, goes to the next page with what follows.
std::vector<PageOps> LayoutPages(const Document& doc);

}  // namespace wall::pdf
