#pragma once

#include <QUiLoader>

namespace lanterncrest {

// Builds the widgets of one .ui file: our classes from the UiClassRegistry, Qt's own through
// QUiLoader. Every runtime attribute is applied as the file sets it. An unknown class stops
// the process. Used by Nib; one instance per load.
class UiLoader : public QUiLoader
{
    Q_OBJECT
public:
    explicit UiLoader(QString resource, QObject *parent = nullptr);
    ~UiLoader() override;

    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override;

private:
    bool eventFilter(QObject *watched, QEvent *event) override;

    QString m_resource;
};

} // namespace lanterncrest
