#include "ui/app/activedocument.h"

#include "ui/app/documentarea.h"
#include "ui/app/documentedit.h"

namespace varnik {

DocumentEdit* ActiveDocument::activeEdit()
{
    return documents().activeEdit();
}

TextEdit& ActiveDocument::activeText()
{
    return documents().activeEdit()->textEdit();
}

DocumentInfo& ActiveDocument::activeRecord()
{
    return documents().activeRecord();
}

} // namespace varnik
