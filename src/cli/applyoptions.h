#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

namespace varnik::cli {

// The options of `varnik --apply COMMAND ...`.
struct ApplyOptions {
    QString command;
    bool hasSelection = false;
    qsizetype selectStart = 0;
    qsizetype selectLength = 0;
    qsizetype caret = 0;
    QList<QPair<QString, QString>> settings; // --set NAME=VALUE, in order
    std::optional<QString> clipboard;
    QHash<QString, QString> fields; // --field NAME=VALUE: the answers of the command's dialog
    std::optional<QDateTime> now;
    bool report = false;
    QString file; // empty: standard input
    bool help = false;
};

// Parses the arguments that follow "--apply". Returns an error text for a usage error.
std::optional<QString> parseApplyOptions(const QStringList& args, ApplyOptions& out);

} // namespace varnik::cli
