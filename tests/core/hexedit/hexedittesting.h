#pragma once

#include "core/hexedit/hexeditor.h"

namespace varnik::test {

inline QByteArray countingBytes(int size)
{
    QByteArray data;
    for (int i = 0; i < size; ++i)
        data += char(i);
    return data;
}

// An editor holding 00 01 02 .. with the first byte selected, not modified,
// as the hex window opens a document.
inline void loadHex(HexEditor& editor, const QByteArray& data)
{
    editor.newBuffer(QStringLiteral("Untitled"));
    editor.setAsText(data);
    if (!data.isEmpty())
        editor.setSelEnd(editor.selStart());
    editor.setModified(false);
}

inline void loadHex(HexEditor& editor, int size)
{
    loadHex(editor, countingBytes(size));
}

} // namespace varnik::test
