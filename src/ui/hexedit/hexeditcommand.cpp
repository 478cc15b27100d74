#include "ui/hexedit/hexeditcommand.h"

#include "core/app/error.h"
#include "core/app/messagesink.h"
#include "core/app/settings.h"
#include "core/hexedit/hexdocumentbytes.h"
#include "ui/app/activedocument.h"
#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"
#include "ui/hexedit/hexeditform.h"

namespace varnik {

void hexEditCommand(ActiveDocument& window)
{
    DocumentEdit* edit = window.documents().activeEdit();
    DocumentInfo& record = window.documents().activeRecord();
    const auto legacy = legacyCodePage(window.settings().codePage);
    QByteArray original;
    try {
        original = hexBytesOfDocument(edit->scintillaEdit().utf8Text(), record.encoding);
    } catch (const Error& e) {
        window.messages().errorBox(e.message());
        return;
    }
    HexEditForm form(&window.hostWindow());
    form.setCodePage(record.encoding.isUtf8() ? legacy : record.encoding.codePage());
    form.load(original);
    // The window is modal: the active document stays the same until it closes.
    QObject::connect(&form, &HexEditForm::edited, &form, [&record] { record.modified = true; });
    form.exec();

    const HexHandBack back = hexHandBack(original, form.bytes(), record.encoding, legacy);
    if (!back.changed)
        return;
    edit->scintillaEdit().replaceAllUtf8(back.utf8);
    record.modified = true;
    if (back.encodingSwitched) {
        record.encoding = back.encoding;
        window.setStatusText(hexEncodingSwitchNote(back.encoding));
    }
}

} // namespace varnik
