// Packing the report's XML parts and pictures into a .docx archive with libzip, in memory.
#include "report/DocxWriter.h"

#include <zip.h>

#include <cstdio>
#include <memory>
#include <string>

#include "report/DocxXml.h"
#include "report/PageEstimate.h"

namespace wall {
namespace {

struct ZipSourceDeleter {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};

bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what;
    return false;
}

// Adds one member; the data must stay alive until the archive is closed.
bool AddMember(zip_t* za, const char* name, const void* data, std::size_t size, bool compress) {
    zip_source_t* src = zip_source_buffer(za, data, size, 0);
    if (!src) return false;
    zip_int64_t index = zip_file_add(za, name, src, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(src);
        return false;
    }
    // A fixed time stamp (1980-01-01) keeps the same document byte for byte the same.
    zip_file_set_dostime(za, static_cast<zip_uint64_t>(index), 0, 0x21, 0);
    if (!compress) zip_set_file_compression(za, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    return true;
}

}  // namespace

std::string DocumentXml(const Document& doc, EquationStyle equations) {
    return DocumentPartXml(doc, CollectMedia(doc), equations);
}

bool WriteDocx(const Document& doc, std::vector<uint8_t>& out, std::string* error,
               const DocxOptions& options) {
    const std::vector<MediaPart> media = CollectMedia(doc);
    struct Part {
        std::string name;
        std::string xml;
    };
    std::vector<Part> parts;
    parts.push_back({"[Content_Types].xml", ContentTypesXml(doc)});
    parts.push_back({"_rels/.rels", PackageRelsXml()});
    parts.push_back({"docProps/core.xml", CorePropertiesXml(options)});
    parts.push_back({"docProps/app.xml", AppPropertiesXml()});
    parts.push_back({"word/document.xml", DocumentPartXml(doc, media, options.equations)});
    parts.push_back({"word/_rels/document.xml.rels", DocumentRelsXml(doc, media)});
    parts.push_back({"word/styles.xml", StylesPartXml()});
    parts.push_back({"word/settings.xml", SettingsPartXml(options.equations)});
    const int pages = EstimatePageCount(doc);
    if (!doc.header.empty())
        parts.push_back({"word/header1.xml", HeaderPartXml(doc, options.equations, pages)});
    if (!doc.footer.empty())
        parts.push_back({"word/footer1.xml", FooterPartXml(doc, options.equations, pages)});

    zip_error_t zerr;
    zip_error_init(&zerr);
    std::unique_ptr<zip_source_t, ZipSourceDeleter> buffer(zip_source_buffer_create(nullptr, 0, 0, &zerr));
    if (!buffer) return Fail(error, "无法建立压缩包");
    zip_t* za = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zerr);
    if (!za) {
        zip_error_fini(&zerr);
        return Fail(error, "无法建立压缩包");
    }
    zip_source_keep(buffer.get());  // the archive releases its reference on close; the bytes stay here
    bool ok = true;
    for (const Part& p : parts) ok = ok && AddMember(za, p.name.c_str(), p.xml.data(), p.xml.size(), true);
    for (const MediaPart& m : media) {
        const std::string name = "word/" + m.name;
        // PNG and JPEG are compressed already.
        ok = ok && AddMember(za, name.c_str(), m.picture->bytes.data(), m.picture->bytes.size(),
                             m.picture->format == PictureFormat::kEmf);
    }
    if (!ok) {
        std::string what = zip_strerror(za);
        zip_discard(za);
        return Fail(error, "无法写入压缩包：" + what);
    }
    if (zip_close(za) != 0) {
        std::string what = zip_strerror(za);
        zip_discard(za);
        return Fail(error, "无法写入压缩包：" + what);
    }
    zip_source_t* src = buffer.get();
    if (zip_source_open(src) != 0) return Fail(error, "无法读取压缩包");
    zip_source_seek(src, 0, SEEK_END);
    zip_int64_t size = zip_source_tell(src);
    zip_source_seek(src, 0, SEEK_SET);
    if (size < 0) {
        zip_source_close(src);
        return Fail(error, "无法读取压缩包");
    }
    out.resize(static_cast<std::size_t>(size));
    zip_int64_t got = size == 0 ? 0 : zip_source_read(src, out.data(), static_cast<zip_uint64_t>(size));
    zip_source_close(src);
    if (got != size) return Fail(error, "无法读取压缩包");
    return true;
}

}  // namespace wall
