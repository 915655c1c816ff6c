// The PDF writer, opened from the program's library folder (installed or in the build tree) the
// first time a PDF is asked for: it brings Qt, which the other commands never load.
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "places/Places.h"
#ifdef WALLCALC_PDF_MODULE
#include "pdf/PdfModule.h"
#endif

namespace wallcalc {

namespace fs = std::filesystem;

bool WritePdfOnDemand(const wall::Document& doc, const std::string& title, const std::string& creator,
                      std::vector<uint8_t>& out, std::string* error) {
#ifndef WALLCALC_PDF_MODULE
    (void)doc;
    (void)title;
    (void)creator;
    (void)out;
    if (error) *error = "此版本构建时未包含 PDF 输出（需要 Qt）";
    return false;
#else
    static WallWritePdf entry = nullptr;
    static std::string loadError;
    if (!entry && loadError.empty()) {
        const fs::path module = wall::TreeOf(wall::ProgramFolder()).LibraryFolder() / WALLCALC_PDF_MODULE;
        void* library = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library) entry = reinterpret_cast<WallWritePdf>(dlsym(library, WALL_PDF_ENTRY));
        if (!entry) {
            const char* reason = dlerror();
            loadError = "无法加载 PDF 模块 " + module.string() + "：" + (reason ? reason : "?");
        }
    }
    if (!entry) {
        if (error) *error = loadError;
        return false;
    }
    unsigned char* data = nullptr;
    size_t size = 0;
    char reason[512] = "";
    if (!entry(&doc, title.c_str(), creator.c_str(), &data, &size, reason, sizeof reason)) {
        if (error) *error = reason[0] ? reason : "PDF 模块失败";
        return false;
    }
    out.assign(data, data + size);
    std::free(data);
    return true;
#endif
}

}  // namespace wallcalc
