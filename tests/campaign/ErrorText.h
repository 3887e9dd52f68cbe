#pragma once

#include "CampaignError.h"

#include <functional>
#include <string>

// The text of the campaign error the action throws, or "no error".
inline std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ECampaignError& error) {
        return error.what();
    }
    return "no error";
}
