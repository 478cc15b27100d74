#pragma once

// Readable QString output in failures comes with the contract header.
#include "contract/texteditcontract.h"

#include "core/app/messagesink.h"
#include "support/recordingsink.h"
#include "core/text/engineenvironment.h"

#include <QDateTime>
#include <QMap>

#include <deque>
#include <vector>

namespace varnik::test {

// Literal from UTF-8 test text.
inline QString u8(const char* s)
{
    return QString::fromUtf8(s);
}

// Everything a command could ask of the outside, preset by the test.
class FakeEnvironment : public EngineEnvironment {
public:
    EngineSettings values;
    TextEncoding encoding;
    QString clipboard;
    QDateTime now{QDate(2024, 3, 5), QTime(14, 7, 9)};
    int bias = 0;
    QString computer = QStringLiteral("workstation");
    QString user = QStringLiteral("alice");
    QString ip = QStringLiteral("10.0.0.7");
    QMap<QString, QStringList> hosts;
    QMap<quint32, QString> names;
    std::deque<int> draws; // random numbers to hand out; 0 once used up

    std::vector<QString> statusTexts;
    std::vector<QString> lookedUpHosts;
    std::vector<std::chrono::milliseconds> timeouts;
    int busyDepth = 0;
    int busyCalls = 0;

    EngineSettings settings() const override { return values; }
    TextEncoding documentEncoding() const override { return encoding; }
    QString clipboardText() const override { return clipboard; }
    QDateTime currentDateTime() const override { return now; }
    int timeZoneStandardBias() const override { return bias; }
    QString computerName() const override { return computer; }
    QString userName() const override { return user; }
    QString ipAddress() const override { return ip; }
    QStringList lookupHost(const QString& name, std::chrono::milliseconds timeout) override
    {
        lookedUpHosts.push_back(name);
        timeouts.push_back(timeout);
        return hosts.value(name);
    }
    QString lookupAddress(quint32 address, std::chrono::milliseconds timeout) override
    {
        timeouts.push_back(timeout);
        return names.value(address);
    }
    int randomPercent() override
    {
        if (draws.empty())
            return 0;
        const int v = draws.front();
        draws.pop_front();
        return v;
    }
    void showStatus(const QString& text) override { statusTexts.push_back(text); }
    void setBusy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        ++busyCalls;
    }
};

} // namespace varnik::test
