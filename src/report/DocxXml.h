// The XML parts of a .docx file for a report document.
#pragma once

#include <string>
#include <vector>

#include "report/Document.h"
#include "report/DocxWriter.h"

namespace wall {

// A picture of the document with the part name it is stored under.
struct MediaPart {
    const Picture* picture = nullptr;
    std::string name;  // "media/image1.emf"
    std::string relId;
};

// Names the pictures of the document in order of appearance.
std::vector<MediaPart> CollectMedia(const Document& doc);

std::string DocumentPartXml(const Document& doc, const std::vector<MediaPart>& media,
                            EquationStyle equations);
// Header and footer; `pageCount` is the result the NUMPAGES field shows until it is recomputed.
std::string HeaderPartXml(const Document& doc, EquationStyle equations, int pageCount);
std::string FooterPartXml(const Document& doc, EquationStyle equations, int pageCount);
std::string StylesPartXml();
std::string SettingsPartXml(EquationStyle equations);
std::string ContentTypesXml(const Document& doc);
std::string PackageRelsXml();
std::string DocumentRelsXml(const Document& doc, const std::vector<MediaPart>& media);
// docProps/core.xml (title, creator) and docProps/app.xml (the application).
std::string CorePropertiesXml(const DocxOptions& options);
std::string AppPropertiesXml();

// Appends the text with the XML special characters as entities.
void XmlEscape(std::string& out, std::string_view text);

}  // namespace wall
