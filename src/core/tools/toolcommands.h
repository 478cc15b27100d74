#pragma once

#include <QStringView>

namespace varnik {

// The clipboard and insertion tools' commands. None works without the window:
// they use the system clipboard, the favourite list of a running window or a
// window of their own.
inline constexpr QStringView kToolCommandIds[] = {u"Pastemclip1", u"Gettextfromselection1", u"Yourfavtxt1",
                                                  u"Symbol1"};

inline bool isWindowOnlyToolCommand(QStringView id)
{
    for (QStringView tool : kToolCommandIds)
        if (tool == id)
            return true;
    return false;
}

} // namespace varnik
