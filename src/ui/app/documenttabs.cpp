#include "ui/app/documenttabs.h"

#include "ui/app/documentedit.h"

#include <QRegularExpression>

namespace varnik {

DocumentTabs::DocumentTabs(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("TabRxRichEditAll"));
    setDocumentMode(true);
    setMovable(false);
    setUsesScrollButtons(true);
}

DocumentTabs::~DocumentTabs() = default;

DocumentEdit* DocumentTabs::newTab()
{
    Q_EMIT beforeNewTab();
    // Sheet names continue after the highest number in use, so none is reused
    // while a higher one exists.
    const QString prefix = objectName() + u's';
    int highest = -1;
    for (int i = 0; i < count(); ++i) {
        const QString name = widget(i)->objectName();
        if (name.startsWith(prefix)) {
            bool ok = false;
            const int n = name.mid(prefix.size()).toInt(&ok);
            if (ok)
                highest = std::max(highest, n);
        }
    }
    auto* edit = new DocumentEdit(this);
    edit->setObjectName(prefix + QString::number(highest + 1));
    data_.push_back(std::make_unique<DocumentInfo>());
    const int index = addTab(edit, QStringLiteral("Sheet%1").arg(count() + 1));
    setCurrentIndex(index);
    Q_EMIT afterNewTab(edit);
    return edit;
}

void DocumentTabs::closeActiveTab()
{
    const int active = currentIndex();
    if (active < 0)
        return;
    Q_EMIT beforeClose();
    const int previous = active - 1;
    QWidget* page = widget(active);
    data_.erase(data_.begin() + active);
    // Block the change signal while the tab goes: the caller runs its change
    // step once the new active tab is set.
    const bool blocked = blockSignals(true);
    removeTab(active);
    if (previous >= 0)
        setCurrentIndex(previous);
    else if (count() > 0)
        setCurrentIndex(0);
    blockSignals(blocked);
    delete page;
    Q_EMIT afterClose();
}

DocumentEdit* DocumentTabs::activeEdit() const { return editAt(currentIndex()); }

DocumentEdit* DocumentTabs::editAt(int index) const
{
    return index >= 0 && index < count() ? static_cast<DocumentEdit*>(widget(index)) : nullptr;
}

DocumentInfo* DocumentTabs::activeData() const { return dataAt(currentIndex()); }

DocumentInfo* DocumentTabs::dataAt(int index) const
{
    return index >= 0 && index < static_cast<int>(data_.size()) ? data_[static_cast<size_t>(index)].get() : nullptr;
}

void DocumentTabs::setActiveData(const DocumentInfo& record)
{
    if (DocumentInfo* d = activeData())
        *d = record;
}

} // namespace varnik
