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
    // FontColor holds a Windows colour value (0x00BBGGRR); with the top bit
    // set it names a system colour, which here is the palette's text colour.
    const qint32 ref = settings.fontColor;
    const QColor colour = ref < 0 ? QColor() : QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
    return {editorFont(settings),
            settings.undoLimit,
            settings.urlAutoDetect,
            settings.wordWrap,
            settings.shortNames,
            settings.tabBottom,
            colour};
}

} // namespace varnik
