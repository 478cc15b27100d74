#include "core/app/settingsstore.h"

#include <ostream>

namespace varnik {

SettingsKey::SettingsKey(QStringList levels) : levels_(std::move(levels)) {}

SettingsKey SettingsKey::parse(QStringView path)
{
    QStringList levels;
    for (QStringView level : path.split(u'\\', Qt::SkipEmptyParts))
        levels.append(level.toString());
    return SettingsKey(std::move(levels));
}

SettingsKey SettingsKey::child(const QString& level) const
{
    SettingsKey key = *this;
    key.levels_.append(level);
    return key;
}

bool SettingsKey::startsWith(const SettingsKey& prefix, Qt::CaseSensitivity cs) const
{
    if (prefix.levels_.size() > levels_.size())
        return false;
    for (qsizetype i = 0; i < prefix.levels_.size(); ++i) {
        if (levels_[i].compare(prefix.levels_[i], cs) != 0)
            return false;
    }
    return true;
}

QString SettingsKey::toString() const
{
    return levels_.join(u'\\');
}

void PrintTo(const SettingsKey& key, std::ostream* os)
{
    *os << '"' << key.toString().toStdString() << '"';
}

SettingsKey varnikKey()
{
    return SettingsKey({QStringLiteral("software"), QStringLiteral("Varnik")});
}

SettingsKey filesKey()
{
    return varnikKey() / QStringLiteral("files");
}

SettingsKey sessionsKey()
{
    return varnikKey() / QStringLiteral("sessions");
}

} // namespace varnik
