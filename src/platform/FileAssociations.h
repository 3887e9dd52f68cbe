#pragma once

#include "XdgFolders.h"

#include <QString>

// The two kinds of campaign file the program can be made the opener of.
enum class TCampaignFileKind { Campaign, Expansion };

struct TFileAssociation {
    QString Extension; // "cpn"
    QString TypeId;    // "Qor.Campaign": names the type's desktop entry and MIME package
    QString MimeType;  // "application/x-qor-campaign"
    QString Description;
};

TFileAssociation AssociationFor(TCampaignFileKind kind);

// Makes the program at programPath the desktop's opener of the kind's files, the freedesktop
// way: a MIME type for the extension, a desktop entry whose "&Open" action runs the program
// with the file, and the default application in mimeapps.list. Each write replaces what it
// wrote before, so writing twice gives the same files. The first write that fails throws
// "Failed to set data for '<what>'"; what was written before it stays.
void RegisterFileAssociation(TCampaignFileKind kind, const QString& programPath,
                             const TXdgFolders& folders = TXdgFolders::FromEnvironment());
