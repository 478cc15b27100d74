#include "core/text/applytoselection.h"

namespace varnik {

namespace {

// Busy cursor on; on the way out, errors included, the cursor back and the selection collapsed as the
// policy says.
class ClosingSteps {
public:
    ClosingSteps(TextEdit& edit, EngineEnvironment& environment, ApplyPolicy policy)
        : edit_(edit), env_(environment), policy_(policy)
    {
        if (policy_.busy)
            env_.setBusy(true);
    }
    ~ClosingSteps()
    {
        if (policy_.busy)
            env_.setBusy(false);
        const bool collapse = policy_.collapse == Collapse::Always ||
                              (policy_.collapse == Collapse::UnlessSelectStay && !env_.settings().selectStay);
        if (collapse)
            edit_.setSelection(edit_.selectionStart(), 0);
    }
    ClosingSteps(const ClosingSteps&) = delete;
    ClosingSteps& operator=(const ClosingSteps&) = delete;

private:
    TextEdit& edit_;
    EngineEnvironment& env_;
    ApplyPolicy policy_;
};

} // namespace

bool applyToSelection(TextEdit& edit, EngineEnvironment& environment, ApplyPolicy policy,
                      const SelectionFunction& fn)
{
    if (policy.empty == EmptySelection::Skip && edit.selectionLength() == 0)
        return false;
    const ClosingSteps closing(edit, environment, policy);
    if (policy.empty == EmptySelection::WholeDocument && edit.selectionLength() == 0)
        edit.selectAll();
    const QString result = fn(edit.selectedText());
    const UndoGroup group(edit);
    edit.replaceSelection(result);
    return true;
}

} // namespace varnik
