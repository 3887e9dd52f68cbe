#pragma once

#include <QDialog>

// Name, type, size, modified time and attributes of one file-system item.
class TPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    TPropertiesDialog(const QString& path, QWidget* parent);

    // The texts shown, in the order of the rows.
    QStringList Values() const { return m_values; }

private:
    QStringList m_values;
};
