// The PDF writer as a library the command line opens only when a PDF is asked for: it brings Qt,
// whose loading would otherwise slow every command. It starts an offscreen QGuiApplication of its
// own when the caller has none.
#include "pdf/PdfModule.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

#include "pdf/PdfWriter.h"

namespace {

// Qt's warnings about the runtime environment (no XDG_RUNTIME_DIR and the like) are not the
// user's business on the command line.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

void EnsureApplication() {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(Quiet);
    static int argc = 3;
    static char name[] = "wallcalc", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Never destroyed: tearing Qt down at exit costs more than the rest of a PDF, and the process
    // is ending anyway.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace

extern "C" int wall_write_pdf(const wall::Document* doc, const char* title, const char* creator,
                              unsigned char** data, size_t* size, char* error, size_t errorSize) {
    EnsureApplication();
    std::vector<uint8_t> bytes;
    std::string reason;
    wall::pdf::PdfOptions options;
    options.title = title ? title : "";
    options.creator = creator ? creator : "";
    if (!wall::pdf::WritePdf(*doc, bytes, &reason, options)) {
        if (error && errorSize) std::snprintf(error, errorSize, "%s", reason.c_str());
        return 0;
    }
    *data = static_cast<unsigned char*>(std::malloc(bytes.empty() ? 1 : bytes.size()));
    if (!*data) return 0;
    std::memcpy(*data, bytes.data(), bytes.size());
    *size = bytes.size();
    return 1;
}
