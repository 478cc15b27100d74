#pragma once

#include "core/app/documentinfo.h"

#include <QTabWidget>
#include <memory>
#include <vector>

namespace varnik {

class DocumentEdit;

// The tab container: one edit control and one document record per tab.
class TTabRxRichEdit : public QTabWidget {
    Q_OBJECT
public:
    explicit TTabRxRichEdit(QWidget* parent = nullptr);
    ~TTabRxRichEdit() override;

    // Creates a tab with its edit and an empty record, and makes it active.
    DocumentEdit* NewTab();
    // Closes the active tab; the one before it (or the first) becomes active.
    void CloseActiveTab();

    DocumentEdit* ActiveEdit() const;
    DocumentEdit* EditAt(int index) const;
    DocumentInfo* ActiveData() const;
    DocumentInfo* DataAt(int index) const;
    void SetActiveData(const DocumentInfo& record);
    int TabCount() const { return count(); }

Q_SIGNALS:
    void beforeNewTab();
    void afterNewTab(DocumentEdit* edit);
    void beforeClose();
    void afterClose();

private:
    std::vector<std::unique_ptr<DocumentInfo>> data_;
};

} // namespace varnik
