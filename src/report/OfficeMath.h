// An equation field as Office Math, typeset by the word processor without recomputing fields.
#pragma once

#include <string>

#include "report/Document.h"

namespace wall {

// Appends the field as an inline m:oMath: each \F(a,b) of its code (nested ones too) a fraction
// m:f, a subscript or superscript run an m:sSub or m:sSup on the character before it, symbols as
// their Unicode characters, the rest as math runs in their own style (upright or italic) and size.
// The "EQ" that starts the code is not shown.
void AppendOfficeMath(std::string& out, const Field& field);

}  // namespace wall
