#include "core/app/filetexts.h"

namespace varnik::FileTexts {

QStringList nameFilters(QStringView filter)
{
    QStringList out;
    const auto parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed().toString();
        // The description repeats its patterns in parentheses, comma separated:
        // file dialogs read patterns from there, so put the real list in.
        if (const qsizetype open = description.lastIndexOf(u'('); open > 0 && description.endsWith(u')'))
            description = description.left(open).trimmed();
        QStringList patterns;
        for (const QStringView p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (p == u"*.*" ? QStringLiteral("*") : p.trimmed().toString());
        out << description + QStringLiteral(" (") + patterns.join(u' ') + QStringLiteral(")");
    }
    return out;
}

} // namespace varnik::FileTexts
