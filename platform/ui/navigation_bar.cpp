#include "platform/ui/navigation_bar.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace lanterncrest {

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
    , back_(new QToolButton(this))
    , title_(new QLabel(this))
{
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setAutoRaise(true);
    back_->hide();
    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setAlignment(Qt::AlignCenter);
    QFont font = title_->font();
    font.setBold(true);
    title_->setFont(font);

    // The title stays centred over the whole bar, whatever the width of the back button.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(title_, 0, 0, 1, 3, Qt::AlignCenter);
    layout->addWidget(back_, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    layout->setColumnStretch(1, 1);
    setMinimumHeight(44);

    connect(back_, &QToolButton::clicked, this, &NavigationBar::backRequested);
}

void NavigationBar::show(const QString& title, bool showBack, const QString& backTitle)
{
    title_->setText(title);
    back_->setText(QStringLiteral("‹ ") + (backTitle.isEmpty() ? tr("Back") : backTitle));
    back_->setVisible(showBack);
}

QString NavigationBar::title() const
{
    return title_->text();
}

} // namespace lanterncrest
