#pragma once

#include <QString>
#include <QStringView>

namespace varnik {

// A command's identifier ("New1", "Touppercase1"). Only the constants of commandids.h make one, so a
// misspelt identifier does not compile; text from outside (arguments, key maps) is looked up in the
// command table instead.
class CommandId {
public:
    constexpr CommandId() = default;

    constexpr QStringView name() const { return name_; }
    QString toString() const { return name_.toString(); }
    constexpr bool isEmpty() const { return name_.isEmpty(); }
    friend bool operator==(CommandId a, CommandId b) { return a.name_ == b.name_; }

private:
    friend struct CommandIdMaker;
    constexpr explicit CommandId(QStringView name) : name_(name) {}

    QStringView name_;
};

struct CommandIdMaker {
    static constexpr CommandId make(QStringView name) { return CommandId(name); }
};

} // namespace varnik

// Declares the constant `name` whose text is its own name, so the two cannot differ.
#define VARNIK_COMMAND_ID(name) inline constexpr CommandId name = CommandIdMaker::make(u"" #name)
