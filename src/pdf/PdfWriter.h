// The report document as PDF, laid out and painted by the program itself through Qt's PDF
// device: no office suite, the same document model the .docx is written from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/Document.h"

namespace wall::pdf {

struct PdfOptions {
    std::string title;    // document information: title
    std::string creator;  // and author; empty for none
};

// The PDF file image, fonts embedded. Needs a QGuiApplication (an offscreen one will do). Returns
// false with `error` set when the fonts are missing or the file cannot be made.
bool WritePdf(const Document& doc, std::vector<uint8_t>& out, std::string* error = nullptr,
              const PdfOptions& options = {});

}  // namespace wall::pdf
