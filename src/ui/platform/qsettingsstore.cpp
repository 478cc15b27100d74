#include "ui/platform/qsettingsstore.h"

#include "core/app/hexdigit.h"
#include "core/app/settingsini.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

namespace varnik {

namespace {

QString joinKey(const QString& group, const QString& escapedName)
{
    return group.isEmpty() ? escapedName : group + u'/' + escapedName;
}

int hexValue(QChar c)
{
    return hexDigitValue(c.unicode());
}

// What QSettings holds directly in a group, as stored (escaped).
template <typename List> QStringList storedList(QSettings& settings, const QString& group, List list)
{
    if (!group.isEmpty())
        settings.beginGroup(group);
    const QStringList names = (settings.*list)();
    if (!group.isEmpty())
        settings.endGroup();
    return names;
}

template <typename List> QStringList unescapedList(QSettings& settings, const QString& group, List list)
{
    QStringList names;
    for (const QString& name : storedList(settings, group, list))
        names.append(QSettingsStore::unescapeLevel(name));
    return names;
}

// Every line that can be read is kept: QSettings drops the whole file when told it
// is damaged, and would then write the defaults over it.
bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QMap<QString, QString> values;
    parseSettingsIni(device.readAll(), values);
    for (auto it = values.begin(); it != values.end(); ++it)
        map.insert(it.key(), it.value());
    return true;
}

// The file's bytes; empty when it does not exist, nothing when it cannot be read whole.
std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QString damagedCopyPath(const QString& path)
{
    return path + QStringLiteral(".bad");
}

// Lines that could not be read are lost when the file is written again, so a damaged
// file is first kept as Varnik.conf.bad. False when the file cannot be read whole or
// the copy cannot be made: the file must then not be written over.
bool keepDamagedCopy(const QString& path, QList<qsizetype>* skippedLines = nullptr)
{
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes)
        return false;
    QMap<QString, QString> values;
    if (parseSettingsIni(*bytes, values, skippedLines))
        return true;
    const QString copy = damagedCopyPath(path);
    if (QFileInfo(copy).isFile() && readWhole(copy) == bytes)
        return true;
    QSaveFile out(copy);
    return out.open(QIODevice::WriteOnly) && out.write(*bytes) == bytes->size() && out.flush() &&
           out.commit();
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    QMap<QString, QString> values;
    for (auto it = map.begin(); it != map.end(); ++it)
        values.insert(it.key(), it.value().toString());
    if (auto* file = qobject_cast<QFileDevice*>(&device); file && !keepDamagedCopy(file->fileName()))
        return false;
    const QByteArray bytes = formatSettingsIni(values);
    if (device.write(bytes) != bytes.size())
        return false;
    // The device is a QSaveFile, which commits even when its last buffered write fails
    // (a full disk); a failed flush here keeps the old file in place.
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        return file->flush();
    return true;
}

QSettings::Format iniFormat()
{
    static const QSettings::Format format = [] {
        const QSettings::Format registered =
            QSettings::registerFormat(QStringLiteral("conf"), readIni, writeIni);
        return registered == QSettings::InvalidFormat ? QSettings::IniFormat : registered;
    }();
    return format;
}

} // namespace

QSettingsStore::QSettingsStore()
#ifdef Q_OS_WIN
    : settings_(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Varnik"),
                                            QSettings::NativeFormat))
#else
    : settings_(std::make_unique<QSettings>(defaultIniFilePath(), iniFormat()))
#endif
{
    settings_->setAtomicSyncRequired(true);
#ifndef Q_OS_WIN
    checkIniFile(defaultIniFilePath());
#endif
}

QSettingsStore::QSettingsStore(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, iniFormat()))
{
    // Never write the file in place: a failed write must leave the old one whole.
    settings_->setAtomicSyncRequired(true);
    checkIniFile(iniFilePath);
}

QSettingsStore::~QSettingsStore() = default;

void QSettingsStore::checkIniFile(const QString& path)
{
    QList<qsizetype> skipped;
    const bool copyKept = keepDamagedCopy(path, &skipped);
    if (!skipped.isEmpty())
        readProblem_ = skippedLinesText(QFileInfo(path).fileName(), skipped,
                                        copyKept ? QFileInfo(damagedCopyPath(path)).fileName() : QString());
}

QString QSettingsStore::defaultIniFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Varnik/Varnik.conf");
}

QString QSettingsStore::escapeLevel(const QString& level)
{
    if (level.isEmpty())
        return QStringLiteral("%");
    QString escaped;
    escaped.reserve(level.size());
    for (QChar c : level) {
        if (c == u'%')
            escaped += u"%25";
        else if (c == u'/')
            escaped += u"%2F";
        else if (c == u'\\')
            escaped += u"%5C";
        else
            escaped += c;
    }
    return escaped;
}

QString QSettingsStore::unescapeLevel(const QString& escaped)
{
    if (escaped == u"%")
        return QString();
    QString level;
    level.reserve(escaped.size());
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == u'%' && i + 2 < escaped.size() && hexValue(escaped[i + 1]) >= 0 &&
            hexValue(escaped[i + 2]) >= 0) {
            level += QChar(hexValue(escaped[i + 1]) * 16 + hexValue(escaped[i + 2]));
            i += 2;
        } else {
            level += escaped[i];
        }
    }
    return level;
}

std::optional<QString> QSettingsStore::groupOf(const SettingsKey& key)
{
    const SettingsKey root = varnikKey();
    if (!key.startsWith(root, Qt::CaseInsensitive))
        return std::nullopt;
    QStringList levels;
    for (qsizetype i = root.levels().size(); i < key.levels().size(); ++i)
        levels.append(escapeLevel(key.levels()[i]));
    return levels.join(u'/');
}

QStringList QSettingsStore::storedNames(const QString& group, const QString& name) const
{
    QStringList matches;
    for (const QString& key : storedList(*settings_, group, &QSettings::childKeys)) {
        const QString unescaped = unescapeLevel(key);
        if (unescaped.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        // The exact spelling, when stored, is the one read.
        if (unescaped == name)
            matches.prepend(key);
        else
            matches.append(key);
    }
    return matches;
}

std::optional<QString> QSettingsStore::readValue(const SettingsKey& key, const QString& name) const
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return std::nullopt;
    const QStringList names = storedNames(*group, name);
    if (names.isEmpty())
        return std::nullopt;
    const QVariant value = settings_->value(joinKey(*group, names.first()));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

void QSettingsStore::writeValue(const SettingsKey& key, const QString& name, const QString& text)
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return;
    const QStringList names = storedNames(*group, name);
    if (names.isEmpty()) {
        settings_->setValue(joinKey(*group, escapeLevel(name)), text);
        return;
    }
    settings_->setValue(joinKey(*group, names.first()), text);
    // Spellings that differ only by case (a hand-edited file) are one value here.
    for (qsizetype i = 1; i < names.size(); ++i)
        settings_->remove(joinKey(*group, names[i]));
}

void QSettingsStore::deleteValue(const SettingsKey& key, const QString& name)
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return;
    for (const QString& stored : storedNames(*group, name))
        settings_->remove(joinKey(*group, stored));
}

void QSettingsStore::deleteKey(const SettingsKey& key)
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return;
    if (group->isEmpty()) {
        settings_->clear();
        return;
    }
    // QSettings removes a value of the same name with the group; the registry does not.
    const std::optional<QVariant> sameNamedValue =
        settings_->contains(*group) ? std::optional<QVariant>(settings_->value(*group)) : std::nullopt;
    settings_->remove(*group);
    if (sameNamedValue)
        settings_->setValue(*group, *sameNamedValue);
}

QStringList QSettingsStore::subkeys(const SettingsKey& key) const
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return {};
    return unescapedList(*settings_, *group, &QSettings::childGroups);
}

QStringList QSettingsStore::valueNames(const SettingsKey& key) const
{
    const std::optional<QString> group = groupOf(key);
    if (!group)
        return {};
    return unescapedList(*settings_, *group, &QSettings::childKeys);
}

void QSettingsStore::flush()
{
    settings_->sync();
    saveFailed_ = settings_->status() == QSettings::AccessError;
}

QString QSettingsStore::saveProblem() const
{
    return saveFailed_ ? QStringLiteral("Settings could not be saved to %1; the file was left as it was.")
                             .arg(QDir::toNativeSeparators(location()))
                       : QString();
}

QSettings::Status QSettingsStore::status() const
{
    return settings_->status();
}

QString QSettingsStore::readProblem() const
{
    return readProblem_;
}

QString QSettingsStore::location() const
{
    return settings_->fileName();
}

} // namespace varnik
