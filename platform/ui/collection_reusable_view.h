#pragma once

#include <QString>
#include <QWidget>

namespace lanterncrest {

class ReusePool;

// A view that a collection view creates from a registered factory and recycles: it keeps the
// reuse identifier it was registered under, so it goes back to the right pool.
class CollectionReusableView : public QWidget
{
    Q_OBJECT

public:
    explicit CollectionReusableView(QWidget *parent = nullptr);

    // Empty for a view the collection view did not dequeue: such a view is not recycled.
    const QString &reuseIdentifier() const { return m_reuseIdentifier; }

private:
    friend class ReusePool;
    QString m_reuseIdentifier;
    ReusePool *m_pool = nullptr;
};

} // namespace lanterncrest
