// Painting the laid-out pages: texts, rules, and the pictures' metafiles replayed as vectors.
#include "pdf/PdfWriter.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>

#include "drawing/EmfPlayer.h"
#include "pdf/PageLayout.h"
#include "pdf/PdfFonts.h"
#include "pdf/PdfToUnicode.h"
#include "qtpaint/QtPainterDevice.h"

namespace wall::pdf {
namespace {

constexpr double U = kUnitsPerPoint;

void PaintPicture(QPainter& painter, const PictureOp& op) {
    const Picture& pic = *op.picture;
    const QRectF target(op.x * U, op.y * U, op.width * U, op.height * U);
    if (pic.format != PictureFormat::kEmf) {
        QImage image = QImage::fromData(pic.bytes.data(), static_cast<int>(pic.bytes.size()));
        if (!image.isNull()) painter.drawImage(target, image);
        return;
    }
    const EmfBounds b = ReadEmfBounds(pic.bytes);
    if (b.right < b.left || b.bottom < b.top) return;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(target.width() / (b.right - b.left + 1), target.height() / (b.bottom - b.top + 1));
    painter.translate(-b.left, -b.top);
    {
        wallui::QtPainterDevice device(painter, PictureFallbackFont());
        PlayEmf(pic.bytes, device);
    }
    painter.restore();
}

void PaintPage(QPainter& painter, const PageOps& page) {
    for (const PictureOp& p : page.pictures) PaintPicture(painter, p);
    for (const RuleOp& r : page.rules) {
        QPen pen(Qt::black, r.width * U);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(r.x1 * U, r.y1 * U), QPointF(r.x2 * U, r.y2 * U));
    }
    const TextOp* last = nullptr;
    for (const TextOp& t : page.texts) {
        if (!last || !(last->font == t.font)) painter.setFont(t.font);
        if (!last || last->colour != t.colour) painter.setPen(t.colour);
        painter.drawText(QPointF(t.x * U, t.y * U), t.text);
        last = &t;
    }
}

// The radicals (U+2E80 to U+2FDF) whose glyph in the CJK fonts is also an ideograph's, with that
// ideograph: what their ToUnicode maps should say.
const CharacterMap& RadicalIdeographs() {
    static const CharacterMap map = [] {
        CharacterMap out;
        const QRawFont font = QRawFont::fromFont(QFont("Noto Serif CJK SC"));
        if (!font.isValid()) return out;
        // The few radicals' glyphs first, then the ideographs looked up among them: far cheaper
        // than a table of every ideograph's glyph.
        QString radicals;
        for (char16_t c = 0x2E80; c < 0x2FE0; ++c) radicals += QChar(c);
        const QList<quint32> radicalGlyphs = font.glyphIndexesForString(radicals);
        std::unordered_map<quint32, char16_t> radicalOf;
        for (qsizetype i = 0; i < radicalGlyphs.size(); ++i)
            if (radicalGlyphs[i]) radicalOf.emplace(radicalGlyphs[i], static_cast<char16_t>(0x2E80 + i));
        QString ideographs;
        for (char16_t c = 0x4E00; c < 0xA000; ++c) ideographs += QChar(c);
        const QList<quint32> glyphs = font.glyphIndexesForString(ideographs);
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            if (auto it = radicalOf.find(glyphs[i]); glyphs[i] && it != radicalOf.end())
                out.emplace(it->second, static_cast<char16_t>(0x4E00 + i));  // the first ideograph
        return out;
    }();
    return map;
}

bool Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

}  // namespace

bool WritePdf(const Document& doc, std::vector<uint8_t>& out, std::string* error, const PdfOptions& options) {
    if (!QGuiApplication::instance()) return Fail(error, "没有图形环境，无法排版 PDF");
    for (const char* family : {"Noto Serif CJK SC", "Noto Sans CJK SC"})
        if (!QFontDatabase::hasFamily(family))
            return Fail(error, std::string("缺少字体 ") + family + "（Debian 软件包 fonts-noto-cjk）");

    const std::vector<PageOps> pages = LayoutPages(doc);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QSizeF(doc.page.width, doc.page.height), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QString::fromStdString(options.title));
        writer.setCreator(QString::fromStdString(options.creator));
        QPainter painter;
        if (!painter.begin(&writer)) return Fail(error, "无法开始 PDF 页面");
        for (std::size_t n = 0; n < pages.size(); ++n) {
            if (n > 0 && !writer.newPage()) return Fail(error, "无法开始新的 PDF 页面");
            PaintPage(painter, pages[n]);
        }
        if (!painter.end()) return Fail(error, "无法完成 PDF 文件");
    }
    std::string pdf(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    FixToUnicodeMaps(pdf, RadicalIdeographs());
    out.assign(pdf.begin(), pdf.end());
    return true;
}

}  // namespace wall::pdf
