#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

namespace varnik {

// Follows a chain of symbolic links to the file they name, existing or not.
QString resolveLinks(const QString& path);

// Gives a file new contents, made piece by piece by `next` (empty at the end;
// it may throw Error). Where it is safe, a complete new file replaces the old
// one in a single rename; a file with other hard links, another owner, a
// symbolic link's target or a file in a directory this user cannot write is
// written in place instead, its old contents kept aside until the new ones
// are in. Either way the file keeps its owner, group, mode and extended
// attributes, and a failure leaves the old contents (throws Error with the
// system's reason).
void replaceFileAtomicallyOrInPlace(const QString& path, const std::function<QByteArrayView()>& next);

} // namespace varnik
