#include "core/app/asksave.h"

#include "core/app/filetexts.h"

namespace varnik {

int askSave(const QString& question, bool modified, bool warnings, MessageSink& sink,
            const std::function<bool()>& save)
{
    if (!modified)
        return Result::Yes;
    if (!warnings)
        return Result::No;
    const int answer = sink.message(FileTexts::kFileChanged.toString() + question, MessageKind::Warning,
                                    Buttons::YesNoCancel);
    if (answer == Result::Yes)
        return save && save() ? Result::Yes : Result::Cancel;
    return answer == Result::No ? Result::No : Result::Cancel;
}

bool mayDropChanges(const QString& question, bool modified, bool warnings, MessageSink& sink)
{
    return !modified || !warnings ||
           sink.message(question, MessageKind::Confirmation, Buttons::YesNo) == Result::Yes;
}

} // namespace varnik
