#include "core/calc/windowinsertion.h"

#include "core/app/textedit.h"
#include "core/calc/floattext.h"

namespace varnik {

void insertAtSelectionStart(TextEdit& edit, const QString& text)
{
    edit.setCaret(edit.selectionStart());
    if (!text.isEmpty())
        edit.replaceSelection(text);
}

QString initialNumberInput(const QString& selection, QChar decimalSeparator)
{
    long double value = 0;
    if (!selection.isEmpty() && tryParseFloat(selection, value, decimalSeparator))
        return selection;
    return QStringLiteral("0");
}

} // namespace varnik
