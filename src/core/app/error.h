#pragma once

#include <QString>
#include <exception>
#include <string>

namespace varnik {

// Every failure a command can report carries the user-visible message text.
class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    std::string utf8_;
};

// The application's general error box appends a full stop when the message's
// last character sorts after "." (so "Wrong number." stays as it is).
QString errorBoxText(const QString& message);

} // namespace varnik
