#pragma once

#include <QByteArray>
#include <QDialog>

#include <memory>

namespace varnik {

class CodePage;
class HexEditorView;

// The modal "Hex editor" window: one hex editor filling the window, set up
// for editing a document's bytes. Its bytes per line follow the window width.
class HexEditForm : public QDialog {
    Q_OBJECT
public:
    explicit HexEditForm(QWidget* parent = nullptr);

    HexEditorView* editor() const { return editor_; }
    // The code page the character column shows the bytes in.
    void setCodePage(std::shared_ptr<const CodePage> page);
    // Loads the bytes with the first byte selected and nothing modified.
    void load(const QByteArray& bytes);
    QByteArray bytes() const;

Q_SIGNALS:
    // An admitted edit: the document is modified from now on.
    void edited();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    HexEditorView* editor_;
};

} // namespace varnik
