#include "ui/app/scintillatextedit.h"
#include "contract/texteditcontract.h"

#include <Qsci/qsciscintilla.h>

namespace varnik::test {

namespace {

// Keeps the control alive as long as the adapter.
class OwningScintillaEdit : public ScintillaTextEdit {
public:
    explicit OwningScintillaEdit(QsciScintilla* control) : ScintillaTextEdit(control), control_(control) {}
    ~OwningScintillaEdit() override { delete control_; }

private:
    QsciScintilla* control_;
};

} // namespace

INSTANTIATE_TEST_SUITE_P(Scintilla, TextEditContract,
                         ::testing::Values(TextEditFactory{"Scintilla", [] {
                                                               return std::unique_ptr<TextEdit>(
                                                                   new OwningScintillaEdit(new QsciScintilla));
                                                           }}),
                         [](const auto& info) { return info.param.name; });

} // namespace varnik::test
