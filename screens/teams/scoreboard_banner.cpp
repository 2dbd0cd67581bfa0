#include "screens/teams/scoreboard_banner.h"

namespace lanterncrest {

ScoreboardBanner::ScoreboardBanner(QWidget *parent) : View(parent) { }

} // namespace lanterncrest
