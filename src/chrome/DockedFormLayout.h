#pragma once

#include <QLayout>
#include <memory>
#include <vector>

class QWidget;
class TDock;

// The layout of a form holding docks: each dock takes the edge its `Position` names, as thick
// as it makes itself. Top docks stack down from the top and bottom docks up from the bottom,
// both across the whole width; left and right docks then take the height between them, and the
// client widget gets what is left. Docks on the same edge go outward-in in the order added.
// A dock whose `Position` changes moves to its new edge at the next layout pass.
class TDockedFormLayout : public QLayout {
    Q_OBJECT

public:
    explicit TDockedFormLayout(QWidget* form);
    ~TDockedFormLayout() override;

    void addDock(TDock* dock);
    void setClient(QWidget* client);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    Qt::Orientations expandingDirections() const override;

private:
    struct Entry {
        std::unique_ptr<QLayoutItem> item;
        TDock* dock = nullptr; // none for the client
    };
    // The docks' total thickness across the width and across the height.
    QSize docksExtent() const;
    QLayoutItem* client() const;

    std::vector<Entry> m_entries;
};

// Puts the four docks on their edges of `form` around `client`.
void LayoutDockedForm(QWidget* form, TDock* top, TDock* bottom, TDock* left, TDock* right,
                      QWidget* client);
