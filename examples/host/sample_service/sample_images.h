#pragma once

#include "examples/host/sample_service/sample_season.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace lanterncrest {

// The pictures of the sample season, drawn rather than downloaded. They are safe to draw on
// any thread. Letters and numbers need fonts, which need a QGuiApplication: without one the
// pictures keep their shapes and colours and leave the text out.

// A shield in the team's colours with its initials; square, transparent around the shield.
QImage drawTeamCrest(const SampleTeam &team, int size);

// A head-and-shoulders silhouette in the team's shirt with the national shirt number.
QImage drawPlayerPhoto(const SamplePlayer &player, const SampleTeam &team, int size);

// The country's invented flag: equal bands, 3:2.
QImage drawCountryFlag(const SampleCountry &country, int width);

// The neutral picture shown while a real one loads: a framed landscape glyph on light grey.
QImage drawPlaceholder(QSize size);

// PNG bytes of the image (empty when encoding fails).
QByteArray encodePng(const QImage &image);

} // namespace lanterncrest
