#pragma once

#include "core/app/messagesink.h"

#include <QString>

#include <deque>
#include <vector>

namespace varnik::test {

// Records every question and answers from a script (No when the script runs out).
class RecordingSink : public MessageSink {
public:
    struct Message {
        QString text;
        MessageKind kind;
        int buttons;
    };

    explicit RecordingSink(std::deque<int> answers = {}) : answers_(std::move(answers)) {}

    int message(const QString& text, MessageKind kind, int buttons) override
    {
        messages.push_back({text, kind, buttons});
        if (answers_.empty())
            return (buttons & Buttons::OK) ? Result::OK : Result::No;
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    void errorBox(const QString& text) override
    {
        messages.push_back({text, MessageKind::Error, Buttons::OK});
    }

    std::vector<Message> messages;

private:
    std::deque<int> answers_;
};

} // namespace varnik::test
