#include "core/app/statuspanels.h"

namespace varnik {

std::array<QString, 6> statusPanelTexts(const StatusInputs& in)
{
    std::array<QString, 6> p;
    p[0] = in.selectionLength > 0
               ? QStringLiteral("SEL: %1").arg(in.selectionLength)
               : QStringLiteral("%1:%2").arg(in.caretColumn + 1).arg(in.caretLine + 1);
    p[1] = in.modified ? QStringLiteral("Modified") : QString();
    p[2] = in.overwrite ? QStringLiteral("Overwrite") : QStringLiteral("Insert");
    p[3] = in.capsLock ? QStringLiteral("CAPS") : QString();
    p[4] = in.numLock ? QStringLiteral("NUM") : QString();
    p[5] = QString::number(in.lineCount);
    return p;
}

} // namespace varnik
