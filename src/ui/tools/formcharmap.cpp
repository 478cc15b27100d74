#include "ui/tools/formcharmap.h"

#include "core/tools/charactersets.h"
#include "ui/tools/charmap.h"

#include <QApplication>
#include <QClipboard>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace varnik {

namespace {

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QString::fromLatin1(hint));
    b->setAutoDefault(false);
    return b;
}

} // namespace

QString FormCharMap::startFont()
{
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Arial", "Liberation Sans", "Arimo", "DejaVu Sans", "Noto Sans", "FreeSans"})
        if (families.contains(QLatin1String(name), Qt::CaseInsensitive))
            return QLatin1String(name);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

FormCharMap::FormCharMap(const QString& codePageSetting, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      codePageSetting_(codePageSetting)
{
    setObjectName(QStringLiteral("FormCharMap"));
    setWindowTitle(QStringLiteral("Character Map"));

    fonts_ = new QFontComboBox(this);
    fonts_->setObjectName(QStringLiteral("FontComboBox1"));
    fonts_->setMinimumContentsLength(14);
    next_ = button(this, "B4", "&Next", "Next font");
    charSet_ = new QSpinBox(this);
    charSet_->setObjectName(QStringLiteral("RxSpinEditSub"));
    charSet_->setRange(0, 255);
    charSet_->setToolTip(characterSetHint());
    close_ = button(this, "B3", "Close", "Copy edit field to clipboard and close window");
    select_ = button(this, "B2", "&Select", "Copy selected char to edit field");
    copy_ = button(this, "B1", "&Copy", "Copy edit field to clipboard");
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("EditCh"));
    map_ = new CharMap(this);
    map_->setObjectName(QStringLiteral("CharMap1"));
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* copyCharacter = popup_->addAction(QStringLiteral("Copy selected character"));

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(fonts_, 3);
    top->addWidget(next_);
    top->addWidget(charSet_);
    top->addWidget(close_);
    top->addWidget(select_);
    top->addWidget(copy_);
    top->addWidget(edit_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(map_, 1);
    layout->addWidget(status_);

    map_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(map_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(map_->mapToGlobal(p)); });
    connect(copyCharacter, &QAction::triggered, this, &FormCharMap::selectCharacter);
    connect(map_, &CharMap::cellDoubleClicked, this, &FormCharMap::selectCharacter);
    connect(map_, &CharMap::changed, this,
            [this] { status_->showMessage(charMapStatusText(map_->selectedCode())); });
    connect(select_, &QPushButton::clicked, this, &FormCharMap::selectCharacter);
    connect(copy_, &QPushButton::clicked, this, &FormCharMap::copyField);
    connect(close_, &QPushButton::clicked, this, &FormCharMap::copyAndClose);
    connect(next_, &QPushButton::clicked, this, &FormCharMap::nextFont);

    setFontAndCharacterSet(startFont(), 0);
    connect(fonts_, &QFontComboBox::currentFontChanged, this, &FormCharMap::apply);
    connect(charSet_, &QSpinBox::valueChanged, this, &FormCharMap::apply);
    setFixedSize(623, 212);
}

void FormCharMap::setFontAndCharacterSet(const QString& family, int characterSet)
{
    const QSignalBlocker fontsQuiet(fonts_);
    const QSignalBlocker setQuiet(charSet_);
    fonts_->setCurrentFont(QFont(family));
    charSet_->setValue(characterSet);
    apply();
}

void FormCharMap::apply()
{
    QFont font = map_->font();
    font.setFamily(fonts_->currentFont().family());
    font.setPointSize(12);
    map_->setFont(font);
    QFont fieldFont = edit_->font();
    fieldFont.setFamily(font.family());
    edit_->setFont(fieldFont);
    const CharMapCharacters characters = charMapCharacters(charSet_->value(), codePageSetting_);
    map_->setCharacters(characters.cells);
    if (!characters.note.isEmpty())
        status_->showMessage(characters.note);
}

void FormCharMap::nextFont()
{
    // The last font wraps to the first.
    if (fonts_->count() > 0)
        fonts_->setCurrentIndex((fonts_->currentIndex() + 1) % fonts_->count());
    apply();
}

void FormCharMap::selectCharacter()
{
    edit_->setText(edit_->text() + map_->selectedCharacter());
}

void FormCharMap::copyField()
{
    edit_->selectAll();
    if (edit_->hasSelectedText())
        QApplication::clipboard()->setText(edit_->selectedText());
    edit_->deselect();
}

void FormCharMap::copyAndClose()
{
    copyField();
    accept();
}

void FormCharMap::keyPressEvent(QKeyEvent* e)
{
    // Escape is the Close button; the close box copies nothing.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close_->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace varnik
