// The XML parts of a .docx file for a report document.
#pragma once

#include <string>
#include <vector>

#include "report/Document.h"

namespace wall {

// A picture of the document with the part name it is stored under.
struct MediaPart {
    const Picture* picture = nullptr;
    std::string name;  // "media/image1.emf"
    std::string relId;
};

// Names the pictures of the document in order of appearance.
std::vector<MediaPart> CollectMedia(const Document& doc);

std::string DocumentPartXml(const Document& doc, const std::vector<MediaPart>& media);
std::string HeaderPartXml(const Document& doc);
std::string FooterPartXml(const Document& doc);
std::string StylesPartXml();
std::string SettingsPartXml();
std::string ContentTypesXml(const Document& doc);
std::string PackageRelsXml();
std::string DocumentRelsXml(const Document& doc, const std::vector<MediaPart>& media);

}  // namespace wall
