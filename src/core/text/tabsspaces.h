#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// Every tab replaced by `tabSpaces` spaces (0 leaves the text unchanged).
QString tabsToSpaces(QStringView text, int tabSpaces);
// Every run of `tabSpaces` spaces, taken from the left without overlap,
// replaced by a tab: seven spaces with 5 give a tab and two spaces.
QString spacesToTabs(QStringView text, int tabSpaces);

// The same two in the text's own buffer.
void tabsToSpacesInPlace(QString& text, int tabSpaces);
void spacesToTabsInPlace(QString& text, int tabSpaces);

} // namespace varnik
