#pragma once

#include "core/app/settings.h"
#include "core/text/datetimeformat.h"
#include "core/text/textencoding.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>

namespace varnik {

// The settings the text commands read.
struct EngineSettings {
    int tabSpaces = defaultSettings().tabSpaces;
    bool selectStay = defaultSettings().selectStay;
    QString dateFormat = defaultSettings().dateFormat;
    QChar decimalSeparator = u'.';
    DateTimeLocale locale;
};

// Everything the text commands need from outside the document: the window and
// the headless mode supply it, tests fake it.
class EngineEnvironment {
public:
    virtual ~EngineEnvironment() = default;

    virtual EngineSettings settings() const = 0;
    // The encoding of the active document's bytes.
    virtual TextEncoding documentEncoding() const = 0;

    // The clipboard's text; empty when it holds no text.
    virtual QString clipboardText() const = 0;
    // Local date and time now.
    virtual QDateTime currentDateTime() const = 0;
    // The time zone's standard bias in minutes (UTC = local time + bias),
    // daylight saving left out.
    virtual int timeZoneStandardBias() const = 0;

    virtual QString computerName() const = 0;
    virtual QString userName() const = 0;
    // This computer's IPv4 address in dotted-decimal form (the last one the
    // resolver gives for its host name); empty when there is none.
    virtual QString ipAddress() const = 0;

    // IPv4 addresses (dotted decimal) of a host name; empty when unknown or
    // when the answer does not come within `timeout`.
    virtual QStringList lookupHost(const QString& name, std::chrono::milliseconds timeout) = 0;
    // The host name of an IPv4 address (as a 32-bit number, most significant
    // byte first); empty when not resolved within `timeout`.
    virtual QString lookupAddress(quint32 address, std::chrono::milliseconds timeout) = 0;

    // The path of one of the program's data files (character tables); empty when there is none.
    virtual QString programDataFile(const QString& name) const
    {
        Q_UNUSED(name);
        return {};
    }

    // A random integer from 0 to 99 (the default draws from the system's
    // generator).
    virtual int randomPercent();

    // Progress texts of long commands (status panel 6) and the busy cursor.
    virtual void showStatus(const QString& text) { Q_UNUSED(text); }
    virtual void setBusy(bool busy) { Q_UNUSED(busy); }
};

} // namespace varnik
