// Report section 6: the wall-body stress check of a masonry wall.
#pragma once

#include "analysis/ToeCheck.h"
#include "analysis/WallSection.h"
#include "report/ReportWriter.h"

namespace wall {

enum class SectionLabels { kGravity, kShelf };

// Writes the note naming the section examined, then subsections (1) to (5). The caller writes
// "6、墙身应力验算\n" first.
void WriteSectionStressReport(ReportWriter& w, const SectionResult& s, SectionLabels labels);

// A shelf wall's platform overhanging the lower back: its root moment and bending tension against [τ].
void WritePlatformReport(ReportWriter& w, const PlatformResult& p);

// A semi-gravity wall's toe: its root moment and bending tension against [τ].
void WriteToeReport(ReportWriter& w, const ToeResult& t);

}  // namespace wall
