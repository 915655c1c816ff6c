// Test helpers of the report engine: a compact view of runs and paragraphs.
#pragma once

#include <string>
#include <vector>

#include "RecordingHost.h"
#include "report/Document.h"

namespace wall::test {

// A paragraph's content in a compact notation: italic as /x/, subscript _{x}, superscript ^{x},
// a symbol as {Font:F0B4}, text in a named font as <Font>x, a field as [code], a page-number field as [PAGE]
// or [NUMPAGES], a picture as [pic].
std::string Describe(const Paragraph& p);
std::string Describe(const std::vector<CodeRun>& runs);

// The paragraph the writer's body ends with before its trailing empty paragraph, when the text
// written ended with a line feed; otherwise the last paragraph.
const Paragraph& LastWrittenParagraph(const Document& doc);

}  // namespace wall::test
