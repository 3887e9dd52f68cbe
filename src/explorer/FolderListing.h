#pragma once

#include "FileFacts.h"
#include "FileMask.h"
#include "ShellFolder.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// One item of a folder as the file list would show it: its name's bytes and what the file
// system said of it (nothing when it could not be read).
struct TListedEntry {
    QByteArray Name;
    std::optional<TFileFacts> Facts;
};

// Which of a folder's items the file list shows: the folders when asked, the files that
// pass the mask.
struct TListingFilter {
    bool ShowFolders = true;
    TMaskList Masks;
};

// The entries of a folder in its enumeration order, those the filter lets through and that
// could be read, with the place of each name (built on the worker, not on the GUI thread).
struct TFolderListing {
    std::vector<TListedEntry> Entries;
    QHash<QByteArray, std::size_t> PlaceOf;
};

// Touches nothing but the folder object and the file system, so it may run on any thread.
TFolderListing ReadFolderListing(const TShellFolder& folder, std::uint32_t flags,
                                 const TListingFilter& filter);

// What turns the shown entries into a new listing: the shown rows to remove (ascending),
// gone or changed, and the listing's entries to add (ascending), new or changed.
struct TListingChanges {
    std::vector<int> RemovedRows;
    std::vector<std::size_t> AddedEntries;
};
TListingChanges CompareListings(const std::vector<TListedEntry>& shown,
                                const TFolderListing& listing);

// Reads one folder at a time on a worker thread and hands the listing to a callback on the
// receiver's (GUI) thread. The destructor waits for a read under way; its callback, still
// queued, goes with the receiver.
class TFolderReader {
public:
    using TDone = std::function<void(const TFolderListing& listing)>;

    // The receiver owns the reader, so it outlives the worker.
    explicit TFolderReader(QObject* receiver) : m_receiver(receiver) {}
    ~TFolderReader();
    TFolderReader(const TFolderReader&) = delete;
    TFolderReader& operator=(const TFolderReader&) = delete;

    bool Busy() const { return m_busy; }
    // The folder object is the worker's alone until the callback runs.
    void Start(std::shared_ptr<TShellFolder> folder, std::uint32_t flags, TListingFilter filter,
               TDone done);

private:
    QObject* m_receiver;
    std::thread m_thread;
    bool m_busy = false;
};
