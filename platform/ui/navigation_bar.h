#pragma once

#include <QWidget>

#include "platform/export.h"

class QLabel;
class QToolButton;

namespace lanterncrest {

// The bar above a navigation stack: the top controller's title in the middle and, below the
// root, a back button named after the controller underneath.
class LANTERNCREST_EXPORT NavigationBar : public QWidget {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

    // `backTitle` empty shows "Back"; showBack false hides the button.
    void show(const QString& title, bool showBack, const QString& backTitle);

    QString title() const;
    QToolButton* backButton() const { return back_; }

signals:
    void backRequested();

private:
    QToolButton* back_;
    QLabel* title_;
};

} // namespace lanterncrest
