#pragma once

#include "core/app/memorysettingsstore.h"

#include <QStringList>

namespace varnik::test {

// A memory store that logs its calls ("read Name", "write Name=Text", "deleteKey Key",
// "flush"); keys are shown only when they are not software\Varnik.
class SpySettingsStore : public MemorySettingsStore {
public:
    mutable QStringList log;

    std::optional<QString> readValue(const SettingsKey& key, const QString& name) const override
    {
        log.append(u"read "_qs + where(key) + name);
        return MemorySettingsStore::readValue(key, name);
    }
    void writeValue(const SettingsKey& key, const QString& name, const QString& text) override
    {
        log.append(u"write "_qs + where(key) + name + u'=' + text);
        MemorySettingsStore::writeValue(key, name, text);
    }
    void deleteKey(const SettingsKey& key) override
    {
        log.append(u"deleteKey "_qs + key.toString());
        MemorySettingsStore::deleteKey(key);
    }
    void flush() override { log.append(u"flush"_qs); }

private:
    static QString where(const SettingsKey& key)
    {
        return key == varnikKey() ? QString() : key.toString() + u'\\';
    }
};

} // namespace varnik::test
