#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <vector>

// The one icon list of the process, standing where the system image list stood: every
// control shows icons by index into it, and an icon is made once per file type, not per
// item. Index 0 is a plain document icon, so no real lookup ever answers 0.
class TSystemImageList {
public:
    static TSystemImageList& instance();

    int count() const { return static_cast<int>(m_icons.size()); }
    QIcon icon(int index) const;
    // The index of the icon known by key, making it with the given maker on first use.
    template <typename Maker> int indexFor(const QString& key, Maker&& make) {
        const auto found = m_indexes.constFind(key);
        if (found != m_indexes.cend())
            return *found;
        return add(key, make());
    }
    // An icon showing normal, the open icon when selected, and an overlay (0 shared, 1 link)
    // drawn in its lower left corner; cached.
    QIcon composedIcon(int normal, int open, int overlay);

private:
    TSystemImageList();
    int add(const QString& key, const QIcon& icon);

    std::vector<QIcon> m_icons;
    QHash<QString, int> m_indexes;
    QHash<quint64, QIcon> m_composed;
};

// What a control attaches: the shared list and the size it draws it at.
struct TImageListRef {
    TSystemImageList* list = nullptr;
    int iconSize = 0;
};
