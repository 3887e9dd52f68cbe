#pragma once

#include <QByteArray>
#include <QUrl>

// File URLs made from and read back to a path's exact bytes: a name that is not valid
// UTF-8 travels percent-encoded byte for byte instead of turning into replacement marks.
QUrl UrlFromNativePath(const QByteArray& path);
// The path of a local file URL as bytes; empty for any other URL.
QByteArray NativePathFromUrl(const QUrl& url);
