#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <set>

namespace varnik {

// The texts Cut and Copy collected during the run: kept sorted in the
// locale's case-insensitive order; a text equal to an entry but for case is
// not added again. Lookups and insertions take logarithmic time, so a long
// session of copying stays quick.
class MultiClipboard {
public:
    explicit MultiClipboard(const QLocale& locale = QLocale::system());
    MultiClipboard(const MultiClipboard&) = delete;
    MultiClipboard& operator=(const MultiClipboard&) = delete;

    // False when the text is empty or an entry equals it ignoring case.
    bool add(const QString& text);
    // Removes the entry equal to `text` (exactly); false when there is none.
    bool remove(const QString& text);
    void clear() { entries_.clear(); }

    bool isEmpty() const { return entries_.empty(); }
    qsizetype size() const { return qsizetype(entries_.size()); }
    // The entries in list order.
    QStringList entries() const;

private:
    struct Less {
        const QCollator* collator;
        bool operator()(const QString& a, const QString& b) const;
    };

    QCollator collator_;
    std::set<QString, Less> entries_;
};

} // namespace varnik
