#pragma once
// The report of one learning run as a user reads it: what was learned, where the play field
// lies, which pictures may not hold everywhere and which codes no screen showed.

#include <QPoint>
#include <QString>
#include <optional>
#include <string>

#include "picture_votes.h"

namespace quelbrook::learn {

std::string LearnReportText(const QString& romPath, QPoint origin, std::optional<double> fit,
                            const LearnedPictures& learned);

// The play field's origin a report names; none when it names none.
std::optional<QPoint> OriginInReport(const std::string& text);

}  // namespace quelbrook::learn
