#include "ui/app/editorfont.h"

#include "core/app/settings.h"

#include <QFontDatabase>

namespace varnik {

QFont editorFont(const Settings& settings)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!settings.fontName.isEmpty() && settings.fontName.compare(u"fixedsys", Qt::CaseInsensitive) != 0 &&
        QFontDatabase::hasFamily(settings.fontName))
        font.setFamily(settings.fontName);
    if (settings.fontSize > 0 && settings.fontSize < 400)
        font.setPointSize(settings.fontSize);
    font.setBold(settings.fontB);
    font.setItalic(settings.fontI);
    font.setUnderline(settings.fontU);
    font.setStrikeOut(settings.fontS);
    return font;
}

void storeEditorFont(Settings& settings, const QFont& font)
{
    settings.fontName = font.family();
    settings.fontSize = font.pointSize();
    settings.fontB = font.bold();
    settings.fontI = font.italic();
    settings.fontU = font.underline();
    settings.fontS = font.strikeOut();
}

EditorSettings editorSettings(const Settings& settings)
{
    return {editorFont(settings), settings.undoLimit,  settings.urlAutoDetect,
            settings.wordWrap,    settings.shortNames, settings.tabBottom};
}

} // namespace varnik
