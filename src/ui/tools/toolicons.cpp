#include "ui/tools/toolicons.h"

#include <QToolButton>

// The resources live in a static library: nothing else would pull them in.
static void registerBundledIcons()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(varnik);
        return true;
    }();
    (void)registered;
}

namespace varnik {

QIcon toolIcon(const char* themeName, const char* bundled)
{
    registerBundledIcons();
    const QIcon fallback(QStringLiteral(":/icons/tools/%1.svg").arg(QLatin1String(bundled)));
    return QIcon::fromTheme(QLatin1String(themeName), fallback);
}

QToolButton* pictureButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(icon);
    b->setIconSize(QSize(22, 22));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    return b;
}

} // namespace varnik
