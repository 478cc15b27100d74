#pragma once

#include "core/app/documentinfo.h"

#include <QTabWidget>
#include <memory>
#include <vector>

namespace varnik {

class DocumentEdit;

// The tab container: one edit control and one document record per tab.
class DocumentTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit DocumentTabs(QWidget* parent = nullptr);
    ~DocumentTabs() override;

    // Creates a tab with its edit and an empty record, and makes it active.
    DocumentEdit* newTab();
    // Closes the active tab; the one before it (or the first) becomes active.
    void closeActiveTab();

    DocumentEdit* activeEdit() const;
    DocumentEdit* editAt(int index) const;
    DocumentInfo* activeData() const;
    DocumentInfo* dataAt(int index) const;
    void setActiveData(const DocumentInfo& record);
    int tabCount() const { return count(); }

Q_SIGNALS:
    void beforeNewTab();
    void afterNewTab(DocumentEdit* edit);
    void beforeClose();
    void afterClose();

private:
    std::vector<std::unique_ptr<DocumentInfo>> data_;
};

} // namespace varnik
