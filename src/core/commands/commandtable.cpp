#include "core/commands/commandtable.h"

#include "core/commands/commandrow.h"

#include <functional>
#include <stdexcept>

namespace varnik {

QString stripAccelerators(QStringView caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            plain += u'&';
            ++i;
        }
    }
    return plain;
}

QString CommandItem::plainCaption() const
{
    return stripAccelerators(caption);
}

const CommandTable& CommandTable::standard()
{
    static const CommandTable table;
    return table;
}

CommandTable::CommandTable()
{
    std::vector<CommandRow> rows;
    for (const auto& group :
         {fileEditMenuRows(), insertReplaceMenuRows(), viewSearchHelpMenuRows(), popupMenuRows()})
        rows.insert(rows.end(), group.begin(), group.end());
    items_.reserve(rows.size());
    std::vector<std::ptrdiff_t> parentIndex;
    parentIndex.reserve(rows.size());
    // Open menus from the root down to the entry last added.
    std::vector<std::ptrdiff_t> open;
    mainMenuCount_ = rows.size();

    for (const CommandRow& row : rows) {
        while (!open.empty() && open.size() > static_cast<std::size_t>(row.depth))
            open.pop_back();
        if (row.depth == 0 && (row.flags & CommandRow::PopupMenu) && mainMenuCount_ == rows.size())
            mainMenuCount_ = items_.size();

        CommandItem item;
        item.id = row.id.toString();
        item.caption = row.caption.toString();
        item.hint = row.hint.toString();
        if (row.flags & CommandRow::NamesSearchEngine) {
            item.caption += kWebSearchEngineName;
            item.hint += kWebSearchEngineName;
        }
        item.shortcut = Shortcut::fromText(row.shortcut);
        item.fixed = (row.flags & CommandRow::Fixed) != 0;
        item.filledAtRunTime = (row.flags & CommandRow::FilledAtRunTime) != 0;
        item.twin = row.twin;
        item.asksFirst = (row.flags & CommandRow::AsksFirst) != 0;
        item.windowOnly = (row.flags & CommandRow::WindowOnly) != 0;
        item.enable = row.enable;
        item.run = row.run;
        parentIndex.push_back(open.empty() ? -1 : open.back());
        open.push_back(static_cast<std::ptrdiff_t>(items_.size()));
        items_.push_back(std::move(item));
    }

    // Links are made once the vector no longer moves.
    for (std::size_t i = 0; i < items_.size(); ++i) {
        CommandItem& item = items_[i];
        if (parentIndex[i] >= 0) {
            CommandItem& parent = items_[static_cast<std::size_t>(parentIndex[i])];
            item.parent = &parent;
            parent.children.push_back(&item);
        } else if (i < mainMenuCount_) {
            mainMenus_.push_back(&item);
        } else {
            popupMenus_.push_back(&item);
        }
        if (!item.id.isEmpty())
            byId_.insert(item.id, &item);
    }
}

const CommandItem* CommandTable::find(QStringView id) const
{
    // A view over the caller's characters: looking up allocates nothing.
    const QString key = QString::fromRawData(id.data(), id.size());
    return byId_.value(key, nullptr);
}

const CommandItem& CommandTable::item(CommandId id) const
{
    const CommandItem* found = find(id);
    if (!found)
        throw std::logic_error("command without a table row: " + id.toString().toStdString());
    return *found;
}

const CommandItem* CommandTable::parentOf(QStringView id) const
{
    const CommandItem* item = find(id);
    return item ? item->parent : nullptr;
}

bool CommandTable::isInMainMenu(const CommandItem& item) const
{
    // std::less orders any two pointers, also ones from outside the table.
    const std::less<const CommandItem*> before;
    const CommandItem* first = items_.data();
    return !before(&item, first) && before(&item, first + mainMenuCount_);
}

QString listCommandsText(const CommandTable& table)
{
    QString text;
    for (const CommandItem& item : table.mainMenuItems()) {
        if (item.isSeparator())
            continue;
        text += item.id;
        text += u'\t';
        text += item.plainCaption();
        text += u'\t';
        text += item.shortcut.toText();
        text += u'\t';
        if (item.fixed)
            text += u"fixed";
        text += u'\n';
    }
    return text;
}

} // namespace varnik
