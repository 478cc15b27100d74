#include "ui/app/aboutbox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <Qsci/qsciglobal.h>
#include <QtGlobal>

namespace varnik {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About1"));
    setWindowTitle(QStringLiteral("About Varnik"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(aboutText(), this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString AboutBox::aboutText()
{
    return QStringList{
        QStringLiteral("Varnik"),
        QStringLiteral("A plain-text editor, calculator and toolbox of text conversions"),
        QStringLiteral("Version %1").arg(QStringLiteral(VARNIK_VERSION)),
        QStringLiteral("Build %1 %2").arg(QStringLiteral(__DATE__), QStringLiteral(__TIME__)),
        QStringLiteral("Qt %1 (built with %2)")
            .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)),
        QStringLiteral("QScintilla %1").arg(QStringLiteral(QSCINTILLA_VERSION_STR)),
        QStringLiteral("Licence: GNU General Public License, version 3"),
    }
        .join(u'\n');
}

} // namespace varnik
