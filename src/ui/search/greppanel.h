#pragma once

#include <QListView>

namespace varnik {

class GrepListModel;
class GrepResult;

// The grep result list docked under the documents ("ListBoxGrep"). Rows are
// uniform, so the view lays out a million entries at once.
class GrepPanel : public QListView {
    Q_OBJECT
public:
    explicit GrepPanel(QWidget* parent = nullptr);

    GrepListModel& grepModel() const { return *model_; }
    const GrepResult& result() const;
    // Shows a fresh result, scrolled to its top.
    void setResult(GrepResult result);
    void clear();

Q_SIGNALS:
    // A double click on entry `row`.
    void entryActivated(qsizetype row);

private:
    void measureRows();

    GrepListModel* model_;
};

} // namespace varnik
