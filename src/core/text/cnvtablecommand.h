#pragma once

#include "core/app/documentencoding.h"
#include "core/app/messagesink.h"
#include "core/app/textedit.h"

#include <QStringView>

#include <span>

namespace varnik {

class CnvTable;

// One of the character-table commands: the table file it loads, and the code
// pages its source and target codes are in. A plain-letter table writes
// letters of its source code page without their diacritics.
struct CnvTableCommand {
    QStringView id;
    QStringView fileName;
    QStringView sourcePage;
    QStringView targetPage; // empty: plain letters
    bool toPlainLetters() const { return targetPage.isEmpty(); }
};

std::span<const CnvTableCommand> cnvTableCommands();
const CnvTableCommand* findCnvTableCommand(QStringView id);

// Converts the selection (the whole document when nothing is selected) by
// `table`, leaving nothing selected. In a legacy document the table works on
// the document's bytes. In a UTF-8 document a plain-letter table maps the
// characters its codes stand for in its source code page; a code-page table
// leaves the text alone and makes the target code page the document's
// encoding instead (and marks the document modified), so that Save writes
// it. An empty table gives "Error loading converter!" and changes nothing.
void applyCnvTableCommand(TextEdit& edit, MessageSink& messages, const CnvTable& table,
                          const CnvTableCommand& command, DocumentEncoding& encoding);

} // namespace varnik
