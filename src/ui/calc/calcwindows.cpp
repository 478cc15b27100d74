#include "ui/calc/calcwindows.h"

#include "core/app/textedit.h"
#include "core/calc/windowinsertion.h"
#include "ui/app/mydlg.h"
#include "ui/calc/formlistgen.h"
#include "ui/calc/unicnvform.h"

namespace varnik {

namespace {

// The boxes a window raises stand over that window, not the main one.
class FormMessages : public MessageSink {
public:
    int message(const QString& text, MessageKind kind, int buttons) override
    {
        return DialogMessageSink(form).message(text, kind, buttons);
    }
    void errorBox(const QString& text) override { DialogMessageSink(form).errorBox(text); }

    QWidget* form = nullptr;
};

} // namespace

void runUniConverter(TextEdit& edit, QChar decimalSeparator, QWidget* parent)
{
    FormMessages messages;
    UniCnvForm form(messages, decimalSeparator, edit.selectedText().trimmed(), parent);
    messages.form = &form;
    if (form.exec() == QDialog::Accepted)
        insertAtSelectionStart(edit, form.memoText());
}

void runListGenerator(TextEdit& edit, const std::array<char16_t, 256>& charset, QWidget* parent)
{
    FormMessages messages;
    FormListGen form(messages, edit.selectedText().trimmed(), charset, parent);
    messages.form = &form;
    if (form.exec() == QDialog::Accepted)
        insertAtSelectionStart(edit, form.listText());
}

} // namespace varnik
