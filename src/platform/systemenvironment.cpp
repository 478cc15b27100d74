#include "platform/systemenvironment.h"

#include "core/app/codepage.h"
#include "platform/hostlookup.h"
#include "platform/programdata.h"

#include <QTimeZone>

namespace varnik {

SystemEnvironment::SystemEnvironment(const Settings& settings, const DocumentEncoding& encoding, QLocale locale)
    : settings_(settings), encoding_(encoding), locale_(std::move(locale))
{
}

QChar SystemEnvironment::decimalSeparator() const
{
    const QString point = locale_.decimalPoint();
    return point.size() == 1 ? point[0] : QChar(u'.');
}

EngineSettings SystemEnvironment::settings() const
{
    EngineSettings s;
    s.tabSpaces = settings_.tabSpaces;
    s.selectStay = settings_.selectStay;
    s.dateFormat = settings_.dateFormat;
    s.decimalSeparator = decimalSeparator();
    s.locale = DateTimeLocale::fromLocale(locale_);
    return s;
}

TextEncoding SystemEnvironment::documentEncoding() const
{
    return TextEncoding::of(encoding_);
}

QDateTime SystemEnvironment::currentDateTime() const { return QDateTime::currentDateTime(); }

int SystemEnvironment::timeZoneStandardBias() const
{
    // UTC = local time + bias, without daylight saving.
    return -QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::currentDateTime()) / 60;
}

QString SystemEnvironment::computerName() const { return varnik::computerName(); }

QString SystemEnvironment::userName() const { return loginName(); }

QString SystemEnvironment::ipAddress() const { return localIpAddress(); }

QStringList SystemEnvironment::lookupHost(const QString& name, std::chrono::milliseconds timeout)
{
    return lookupHostAddresses(name, timeout);
}

QString SystemEnvironment::lookupAddress(quint32 address, std::chrono::milliseconds timeout)
{
    return lookupHostName(address, timeout);
}

QString SystemEnvironment::programDataFile(const QString& name) const
{
    return findProgramDataFile(name);
}

} // namespace varnik
