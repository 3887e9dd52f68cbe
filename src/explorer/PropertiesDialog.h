#pragma once

#include <QDialog>

// Name, type, size, modified time and attributes of one file-system item.
class TPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // The path is the file system's exact bytes.
    TPropertiesDialog(const QByteArray& path, QWidget* parent);

    // The texts shown, in the order of the rows.
    QStringList Values() const { return m_values; }

private:
    QStringList m_values;
};
