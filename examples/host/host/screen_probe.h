#pragma once

#include <QString>
#include <QWidget>

namespace lanterncrest {
class NavigationController;
}

namespace lanterncrest::host {

// What a person would see of the framework's screens, read from the widgets on screen.
class ScreenProbe
{
public:
    explicit ScreenProbe(NavigationController &navigation) : m_navigation(navigation) { }

    // How many screens are stacked: 1 for the teams, 2 for a squad, 3 for a profile.
    int depth() const;

    // The top screen's cell nearest the top left corner that a person can see, or null.
    QWidget *firstVisibleCell() const;

    // The top screen's visible widget of that object name, or null.
    QWidget *visibleWidget(const QString &objectName) const;

    // No progress overlay and no image on its way: the screen is drawn as it will stay.
    static bool settled();

private:
    QWidget *topView() const;

    NavigationController &m_navigation;
};

} // namespace lanterncrest::host
