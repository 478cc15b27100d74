#pragma once

#include "core/app/messagesink.h"

#include <QStringList>
#include <deque>

namespace varnik::test {

// Answers questions from a script (Cancel when it runs out) and records every text.
class ScriptedSink : public MessageSink {
public:
    explicit ScriptedSink(std::deque<int> answers = {}) : answers(std::move(answers)) {}

    int message(const QString& text, MessageKind, int buttons) override
    {
        texts << text;
        if (answers.empty())
            return (buttons & Buttons::Cancel) ? Result::Cancel : (buttons & Buttons::No) ? Result::No : Result::OK;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void errorBox(const QString& text) override { texts << u"error: "_qs + text; }

    std::deque<int> answers;
    QStringList texts;
};

} // namespace varnik::test
