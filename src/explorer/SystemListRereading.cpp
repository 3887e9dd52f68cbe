// Reading the file list's folder again on a worker thread when it changed, and bringing in
// only what changed, so that a large folder keeps the window answering.
#include "FolderListing.h"
#include "IDElements.h"
#include "ListSorting.h"
#include "SystemListView.h"

#include <cstring>

namespace {

// The file name of a name element as bytes that stay in the element.
QByteArray nameInPlace(PCItemID element) {
    if (!IDElements::isName(element))
        return {};
    const char* text = reinterpret_cast<const char*>(element) + IDElements::NameTextOffset;
    return QByteArray::fromRawData(text, static_cast<qsizetype>(std::strlen(text)));
}

} // namespace

std::uint32_t TSystemListView::enumerationFlags() const {
    std::uint32_t flags = SHCONTF::NONFOLDERS;
    if (m_showHiddenFiles)
        flags |= SHCONTF::INCLUDEHIDDEN;
    if (m_showFolders)
        flags |= SHCONTF::FOLDERS;
    return flags;
}

bool TSystemListView::readAgainInBackground() {
    if (!m_reader)
        m_reader = std::make_unique<TFolderReader>(this);
    if (m_reader->Busy()) {
        m_readAgain = true;
        return true;
    }
    const TShellFolderRef bound = m_baseFolder ? m_baseFolder->BindToObject(m_currentID) : nullptr;
    if (!bound)
        return false;
    m_readAgain = false;
    const int generation = m_populateGeneration;
    m_reader->Start(bound, enumerationFlags(), {m_showFolders, m_maskList},
                    [this, generation](const TFolderListing& listing) {
                        applyListing(generation, listing);
                    });
    return true;
}

// Where an item goes in the list sorted by the parameter: after its equals, as a stable sort
// of a full read would put it.
int TSystemListView::sortedPlaceOf(const TListItem& item, std::int32_t parameter) const {
    int low = 0;
    int high = Count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (DefaultListCompare(Item(middle), &item, parameter) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

// The listing read on the worker replaces what changed: gone and changed items leave, new
// and changed items come in at the place a full read would give them.
void TSystemListView::applyListing(int generation, const TFolderListing& listing) {
    if (generation != m_populateGeneration || Count() == 0)
        return;
    const TShellFolderRef folder = Item(0)->Data->ParentFolder;
    std::vector<TListedEntry> shown;
    shown.reserve(static_cast<std::size_t>(Count()));
    // The names are read in place from the item IDs, not copied.
    for (int row = 0; row < Count(); ++row)
        shown.push_back({nameInPlace(Item(row)->Data->RelativeID), Item(row)->Facts});
    const TListingChanges changes = CompareListings(shown, listing);
    for (auto row = changes.RemovedRows.rbegin(); row != changes.RemovedRows.rend(); ++row)
        m_model->Remove(*row);
    const bool sorted = m_lastSortColumn != -1;
    const std::int32_t parameter = SortParameter(m_lastSortColumn, m_lastSortDescending);
    // Unsorted, the kept items stand in the listing's order: a new entry goes after the kept
    // and new ones before it.
    std::size_t nextAdded = 0;
    int row = 0;
    for (std::size_t at = 0; at < listing.Entries.size(); ++at) {
        const bool added =
            nextAdded < changes.AddedEntries.size() && changes.AddedEntries[nextAdded] == at;
        if (!added) {
            ++row;
            continue;
        }
        ++nextAdded;
        ItemIDList relative = IDElements::makeName(listing.Entries[at].Name);
        ItemIDList absolute = ConcatIDLists(m_currentID, relative);
        std::unique_ptr<TListItem> made =
            makeFileItem(folder, std::move(absolute), std::move(relative));
        if (!made)
            continue;
        const int place = sorted ? sortedPlaceOf(*made, parameter) : row;
        finishFileItem(m_model->Insert(place, std::move(made)));
        ++row;
    }
    if (OnPopulated)
        OnPopulated(this);
    if (m_readAgain)
        readAgainInBackground();
}
