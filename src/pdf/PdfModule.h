// The entry of the PDF module, for the programs that open it on demand. Plain C types only
// across the boundary, besides the document the caller owns; `*data` is freed with free().
#pragma once

#include <cstddef>

#include "report/Document.h"

#define WALL_PDF_ENTRY "wall_write_pdf"
extern "C" {
// 1 with the file image in *data, *size; 0 with the reason (UTF-8) in `error`.
using WallWritePdf = int (*)(const wall::Document* doc, const char* title, const char* creator,
                             unsigned char** data, size_t* size, char* error, size_t errorSize);
int wall_write_pdf(const wall::Document* doc, const char* title, const char* creator, unsigned char** data,
                   size_t* size, char* error, size_t errorSize);
}
