#pragma once

namespace lanterncrest {

// Hears the profile header's two buttons; held weakly by the header.
class PlayerProfileHeaderViewDelegate
{
public:
    virtual ~PlayerProfileHeaderViewDelegate() = default;

    // The user asked to follow the shown player.
    virtual void followTapped() = 0;
    // The user asked to see the shown player's posts.
    virtual void viewPostsTapped() = 0;
};

} // namespace lanterncrest
