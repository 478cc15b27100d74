#pragma once

#include "core/app/documentencoding.h"
#include "core/app/settings.h"
#include "core/text/engineenvironment.h"

#include <QLocale>

namespace varnik {

// The text commands' environment as the running system gives it: settings,
// locale, clock, time zone, names and lookups. The window and the headless
// mode derive from it for the clipboard and the clock.
class SystemEnvironment : public EngineEnvironment {
public:
    SystemEnvironment(const Settings& settings, const DocumentEncoding& encoding,
                      QLocale locale = QLocale::system());

    EngineSettings settings() const override;
    TextEncoding documentEncoding() const override;
    QDateTime currentDateTime() const override;
    int timeZoneStandardBias() const override;
    QString computerName() const override;
    QString userName() const override;
    QString ipAddress() const override;
    QStringList lookupHost(const QString& name, std::chrono::milliseconds timeout) override;
    QString lookupAddress(quint32 address, std::chrono::milliseconds timeout) override;
    QString programDataFile(const QString& name) const override;

    QChar decimalSeparator() const;

private:
    const Settings& settings_;
    const DocumentEncoding& encoding_;
    QLocale locale_;
};

} // namespace varnik
