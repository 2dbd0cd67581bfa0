#pragma once

#include <QWidget>

#include "platform/export.h"

class QLabel;
class QToolButton;

namespace lanterncrest {

// The bar above a navigation stack: the top controller's title and, below the root, a back
// button named after the controller underneath (or "Back" when that name would take more than
// a third of the bar). The title is centred over the whole bar when it fits there beside the
// back button; otherwise it sits in the room between the back button and the other edge, cut
// short with "…". Neither text widens the bar: its width is the window's to choose.
class LANTERNCREST_EXPORT NavigationBar : public QWidget
{
    Q_OBJECT
public:
    explicit NavigationBar(QWidget *parent = nullptr);

    // `backTitle` empty shows "Back"; showBack false hides the button.
    void show(const QString &title, bool showBack, const QString &backTitle);

    // The whole title, as set; titleLabel() shows it, shortened when it must be.
    QString title() const { return m_title; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QToolButton *backButton() const { return m_back; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void backRequested();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layOut();

    QToolButton *m_back;
    QLabel *m_titleLabel;
    QString m_title;
    QString m_backTitle;
};

} // namespace lanterncrest
