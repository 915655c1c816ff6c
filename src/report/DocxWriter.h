// Serialisers of the report document: Office Open XML (.docx) and plain text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/Document.h"

namespace wall {

// How the equation fields are stored: as Office Math (typeset by the word processor as it opens
// the file), or as EQ fields that Word recomputes on opening and other readers show as (a)/(b).
enum class EquationStyle { kOfficeMath, kField };

struct DocxOptions {
    EquationStyle equations = EquationStyle::kOfficeMath;
    std::string title;    // document properties: title
    std::string creator;  // and author; empty for none
};

// The .docx file image. Returns false with `error` set when the archive cannot be built.
bool WriteDocx(const Document& doc, std::vector<uint8_t>& out, std::string* error = nullptr,
               const DocxOptions& options = {});

// The XML of the main part (word/document.xml), for tests and golden files.
std::string DocumentXml(const Document& doc, EquationStyle equations = EquationStyle::kOfficeMath);

// The main text as plain text: paragraphs end with "\n", table cells are separated by four spaces
// and rows by "\n", symbols become their Unicode characters, a fraction field reads (a)/(b).
std::string PlainText(const Document& doc);

}  // namespace wall
