#pragma once

#include <QStringView>

// Orders names the way the desktop's file manager does: letters without regard to case,
// runs of digits by their numeric value ("file2" before "file10"). Ties fall back to a
// case-sensitive comparison so that distinct names never compare equal.
int NaturalCompare(QStringView a, QStringView b);
