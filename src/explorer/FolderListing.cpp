#include "FolderListing.h"

#include "IDElements.h"

#include <QFile>
#include <QHash>
#include <QMetaObject>

TFolderListing ReadFolderListing(const TShellFolder& folder, std::uint32_t flags,
                                 const TListingFilter& filter) {
    TFolderListing listing;
    auto items = folder.EnumObjects(flags);
    if (!items)
        return listing;
    while (auto relative = items->Next()) {
        const auto facts = ReadFileFacts(folder.NativePathOf(*relative));
        if (!facts)
            continue;
        const bool shown = facts->isDirectory
                               ? filter.ShowFolders
                               : MatchesMaskList(folder.PathOf(*relative), &filter.Masks);
        if (shown)
            listing.Entries.push_back({IDElements::nameOf(*relative), facts});
    }
    listing.PlaceOf.reserve(static_cast<qsizetype>(listing.Entries.size()));
    for (std::size_t at = 0; at < listing.Entries.size(); ++at)
        listing.PlaceOf.insert(listing.Entries[at].Name, at);
    return listing;
}

TListingChanges CompareListings(const std::vector<TListedEntry>& shown,
                                const TFolderListing& listing) {
    TListingChanges changes;
    std::vector<bool> kept(listing.Entries.size(), false);
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const auto found = listing.PlaceOf.constFind(shown[row].Name);
        if (found != listing.PlaceOf.cend() && listing.Entries[*found].Facts == shown[row].Facts)
            kept[*found] = true;
        else
            changes.RemovedRows.push_back(static_cast<int>(row));
    }
    for (std::size_t at = 0; at < listing.Entries.size(); ++at) {
        if (!kept[at])
            changes.AddedEntries.push_back(at);
    }
    return changes;
}

TFolderReader::~TFolderReader() {
    if (m_thread.joinable())
        m_thread.join();
}

void TFolderReader::Start(std::shared_ptr<TShellFolder> folder, std::uint32_t flags,
                          TListingFilter filter, TDone done) {
    if (m_thread.joinable())
        m_thread.join();
    m_busy = true;
    m_thread = std::thread([this, folder = std::move(folder), flags,
                            filter = std::move(filter), done = std::move(done)]() mutable {
        TFolderListing listing = ReadFolderListing(*folder, flags, filter);
        folder.reset();
        QMetaObject::invokeMethod(
            m_receiver,
            [this, done = std::move(done), listing = std::move(listing)]() mutable {
                m_busy = false;
                done(listing);
            },
            Qt::QueuedConnection);
    });
}
