#include "core/app/session.h"

namespace varnik {

namespace {

QString tabValueName(qsizetype index)
{
    return u'f' + QString::number(index);
}

} // namespace

SettingsKey sessionKey(const QString& name)
{
    return sessionsKey() / name;
}

void writeSession(SettingsStore& store, const QString& name, const QStringList& fileNames)
{
    const SettingsKey key = sessionKey(name);
    store.deleteKey(key);
    for (qsizetype i = 0; i < fileNames.size(); ++i)
        store.writeValue(key, tabValueName(i), fileNames[i]);
    store.flush();
}

QStringList readSession(const SettingsStore& store, const QString& name)
{
    const SettingsKey key = sessionKey(name);
    QStringList fileNames;
    while (std::optional<QString> fileName = store.readValue(key, tabValueName(fileNames.size())))
        fileNames.append(*fileName);
    return fileNames;
}

void deleteSession(SettingsStore& store, const QString& name)
{
    store.deleteKey(sessionKey(name));
    store.flush();
}

} // namespace varnik
