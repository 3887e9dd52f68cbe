#pragma once

#include <QString>
#include <QStringList>

// A ";"-separated list of masks with "*" and "?", kept lower-cased and sorted.
struct TMaskList {
    QStringList masks;
};

// Empties list and fills it from text; an empty text gives the single mask "*". Every text
// is accepted: an empty piece gives an empty mask, which matches nothing.
void ParseMask(const QString& text, TMaskList& list);

// True without a list or with an empty one; otherwise the name (lower-cased, with a "."
// appended when it has none) must match one of the masks.
bool MatchesMaskList(const QString& name, const TMaskList* list);

// One mask against one name, case as given. A literal after "*" binds to its first
// occurrence, the last literal to the end of the name: there is no backtracking, so the
// cost is linear in the name's length for every mask.
bool MatchesMask(const QString& name, const QString& mask);
