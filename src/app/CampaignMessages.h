#pragma once

#include <QString>
#include <string>

// The campaign library speaks English only: its errors and the campaign check's findings are
// put into the user's language here, by recognising each text's English pattern and
// translating the pattern with the names and figures it holds. A text no pattern knows is
// shown as it stands.
QString TranslatedCampaignMessage(const std::string& english);
QString TranslatedCampaignMessage(const QString& english);
