#pragma once

#include <QTableView>

namespace varnik {

class TextListModel;

// A one-column list of texts with grid lines and no header: whole rows are
// selected, one at a time, and the selection stays visible without the focus.
class OneColumnList : public QTableView {
    Q_OBJECT
public:
    explicit OneColumnList(QWidget* parent = nullptr);

    TextListModel& texts() const { return *model_; }
    // The selected row, or -1.
    int selectedRow() const;
    // Selects the row and makes it current (nothing for a row out of range).
    void choose(int row);

private:
    TextListModel* model_;
};

} // namespace varnik
