#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace varnik {

// Texts as rows of a list: each row shows a shortened single-line form of its
// text and edits the whole text. An edit is reported, not applied: the owner
// decides where the row goes and sets the texts again.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextListModel(QObject* parent = nullptr);

    void setTexts(const QStringList& texts);
    const QStringList& texts() const { return texts_; }
    void setEditable(bool editable) { editable_ = editable; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    void textEdited(int row, const QString& text);

private:
    QStringList texts_;
    bool editable_ = false;
};

} // namespace varnik
