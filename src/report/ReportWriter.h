// The report writer: formula markup, headings, tables, pictures and the host echo, into a Document.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "host/HostServices.h"
#include "report/Document.h"
#include "report/ReportConfig.h"
#include "report/ReportFile.h"

namespace wall {

enum class Script { kSub, kSuper };
enum class BaseStyle { kUpright, kItalic };

// Where the insertion point is: the main text, the page header or the page footer.
enum class Story { kMain, kHeader, kFooter };

// Writes a calculation report. Everything is appended at the insertion point, which is the end of
// the main text, of a table cell, or of the page header or footer. While the first section is
// written (echo mode 2) a plain-text copy goes to the host.
class ReportWriter {
  public:
    explicit ReportWriter(HostServices& host);
    virtual ~ReportWriter() = default;
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // --- Formula markup ---------------------------------------------------------------------
    // Types text with its markup; "\n" ends the paragraph, "\t" is a tab. After a text with keywords
    // the character format is reset (bold, underline, scripts, colour off; 10.5 pt); after a text
    // without keywords it is left as it was.
    virtual void WriteText(std::string_view text);
    // Inserts an equation field whose code is the text with its keywords rendered in place,
    // e.g. "EQ \F(WriteSubScript(B,1),2)" gives the code EQ \F(B1,2) with the 1 a subscript.
    virtual void WriteEquation(std::string_view fieldCode);
    // "一、设计资料" in 14 pt. Number "一" switches the echo on and echoes the banner; "二" switches
    // it off.
    virtual void WriteSectionHeading(std::string_view number, std::string_view title);

    // The sixteen scripted writes: {sub, super} x {italic, upright base} x {base text, symbol
    // character number} x {script text, symbol character number}. Symbols come from "Symbol".
    virtual void WriteScripted(Script script, BaseStyle style, std::string_view base,
                               std::string_view scriptText);
    virtual void WriteScripted(Script script, BaseStyle style, int baseSymbol, std::string_view scriptText);
    virtual void WriteScripted(Script script, BaseStyle style, std::string_view base, int scriptSymbol);
    virtual void WriteScripted(Script script, BaseStyle style, int baseSymbol, int scriptSymbol);
    // Shorthands for the text/text members with an upright base, as the reinforcement check uses them.
    void WriteSubScript(std::string_view base, std::string_view script) {
        WriteScripted(Script::kSub, BaseStyle::kUpright, base, script);
    }
    void WriteSupScript(std::string_view base, std::string_view script) {
        WriteScripted(Script::kSuper, BaseStyle::kUpright, base, script);
    }

    // Sends "\n生成详细结果文档：【<report file>】" to the host, whatever the echo mode. The message
    // names the saved file: before the report is saved it is held back and sent by a successful
    // Save, and never sent when saving fails.
    virtual void WriteResultMessage();

    // --- Document set-up and layout ---------------------------------------------------------
    // Starts a new blank document (the writer starts with one).
    virtual void NewDocument();
    // Title (centred, bold, 楷体_GB2312, 24 pt), the two identification lines, page set-up, page
    // header and footer from the configuration, and under the footer "第 N 页 共 M 页".
    virtual void WriteTitleBlock();
    // Page geometry: 593.5 x 841.9 pt, margins 72/72/89.85/89.85, header 42.55, footer 29.75, line grid.
    virtual void ApplyPageSetup();
    // A 0.75 pt rule under the header paragraph (header = 1) or over the footer paragraph (0).
    virtual void SetHeaderFooterRule(int header);
    // Writes the whole report; here the title block only. Reports of a case override it.
    virtual void Generate();

    // A borderless table at the end of the main text, centred, cell widths in points; the insertion
    // point goes to its first cell.
    virtual void AddTable(int rows, int columns, std::span<const float> widths);
    // The same with a table format; format 36 (and any other non-zero format) is a ruled table.
    virtual void AddTable(int rows, int columns, std::span<const float> widths, int format);
    // A borderless two-column table whose cells are vertically centred.
    void AddLayoutTable(int rows, float width1, float width2);
    // Next table cell (a new row after the last cell), then its paragraph alignment 0..3.
    void NextCell(int alignment);
    // Continues after the table, in the main text's last paragraph.
    void LeaveTable();
    // Paragraph alignment at the insertion point: 0 left, 1 centre, 2 right, 3 justified.
    void SetAlignment(int alignment);
    // Keeps the paragraph at the insertion point on the page of the next one (a heading, the first line
    // of a formula).
    void KeepWithNext() { CurrentParagraph().keepWithNext = true; }
    // An inline picture at the insertion point (the drawing back ends give EMF; PNG and JPEG also do).
    void PastePicture(const Picture& picture);

    // The insertion point's story.
    void SeekView(Story story);
    // Kept for callers written against the word processor's view switches; they change nothing in
    // a document file (fields always carry their result and are recomputed on opening in Word).
    void SetScreenUpdating(bool) {}
    void ShowFieldCodes(bool) {}
    void ClearUndo() {}

    // --- Low-level typing at the insertion point ----------------------------------------------
    // Types text without markup ("\n" ends the paragraph) in the current character format.
    void TypeText(std::string_view text);
    void TypeParagraph();
    // Inserts a character from a font. With `unicode` the number is a Unicode character (a symbol
    // font's characters are its numbers 0..255); without it a number above 255 is a GBK double byte.
    void InsertSymbol(int characterNumber, std::string_view font = "Symbol", bool unicode = true);
    // The insertion point's character format; what is set applies to what is typed next.
    CharFormat& Font() { return m_format; }
    // Bold off, underline off, 10.5 pt, sub- and superscript off, colour automatic.
    void ResetCharFormat();

    // --- State ------------------------------------------------------------------------------
    void SetTitle(std::string title) { m_title = std::move(title); }
    const std::string& Title() const { return m_title; }
    // 1 = document only, 2 = document and echo to the host.
    int EchoMode() const { return m_echoMode; }
    void SetEchoMode(int mode) { m_echoMode = mode; }
    // Organisation texts of the page header and footer; neutral defaults until set.
    void SetConfig(const ReportConfig& config) { m_config = config; }
    const ReportConfig& Config() const { return m_config; }
    const Document& Doc() const { return m_doc; }
    HostServices& Host() { return m_host; }

    // --- Saving -----------------------------------------------------------------------------
    // The window caption's counterpart: the saved file's name without ".docx" (the title alone
    // before saving).
    std::string Caption() const;
    // Saves the report as .docx, atomically: into `target.folder` as <title><n>.docx with the next
    // free n, or as `target.file` when given. On failure nothing is left behind and the result's
    // message names the path and the reason.
    ReportSaveResult Save(const ReportTarget& target);
    // The plain text of the document's main text (markup stripped, fractions as (a)/(b)).
    std::string PlainText() const;

  protected:
    // The paragraph at the insertion point (the last one of the current story or cell).
    Paragraph& CurrentParagraph();
    void Echo(std::string_view text);

  private:
    std::vector<Paragraph>& CurrentStory();
    void Append(Inline item);
    void AppendSymbolCode(const std::string& font, char32_t code);
    void WriteMarkup(std::string_view normalised, bool equation);
    void WriteScriptPart(std::string_view text, int symbol, bool isSymbol);
    void WriteScriptedImpl(Script script, BaseStyle style, std::string_view baseText, int baseSymbol,
                           bool baseIsSymbol, std::string_view scriptText, int scriptSymbol,
                           bool scriptIsSymbol);

    HostServices& m_host;
    Document m_doc;
    CharFormat m_format;
    std::string m_title;
    ReportConfig m_config;
    int m_echoMode = 1;
    int m_echoRows = 0;
    int m_echoColumns = 0;
    int m_echoCell = 0;

    Story m_story = Story::kMain;
    bool m_inTable = false;
    std::size_t m_tableBlock = 0;  // index of the table in the main text
    std::size_t m_row = 0;
    std::size_t m_column = 0;
    Field* m_openField = nullptr;  // while an equation's code is being built

    std::filesystem::path m_savedPath;
    bool m_resultMessagePending = false;
};

}  // namespace wall
