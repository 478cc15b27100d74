#include "ui/keymap/shortcuteditpage.h"

#include "core/app/settings.h"
#include "core/commands/commandtable.h"
#include "ui/app/shortcutkeys.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace varnik {

namespace {

constexpr QStringView kFilter = u"Key mapping file (*.kbd)";
constexpr QStringView kProposedName = u"varnik.kbd";

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    return b;
}

// The key field shows its names and letters in capitals, as the mapping writes them.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

ShortcutEditPage::ShortcutEditPage(LiveShortcuts& live, Settings& settings, MessageSink& messages,
                                   QWidget* parent)
    : QWidget(parent), edit_(CommandTable::standard(), live, messages), settings_(settings)
{
    list_ = new QTableWidget(0, 2, this);
    list_->setObjectName(QStringLiteral("ListViewKeys"));
    list_->setHorizontalHeaderLabels(
        {ShortCutEdit::Col1Caption.toString(), ShortCutEdit::Col2Caption.toString()});
    list_->setColumnWidth(0, 215);
    list_->setColumnWidth(1, 85);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
    list_->setShowGrid(true);
    list_->setWordWrap(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSortingEnabled(false);

    shift_ = new QCheckBox(QStringLiteral("SHIFT"), this);
    ctrl_ = new QCheckBox(QStringLiteral("CTRL"), this);
    alt_ = new QCheckBox(QStringLiteral("ALT"), this);
    key_ = new QLineEdit(this);
    key_->setObjectName(QStringLiteral("EditKey"));
    // Room for the longest key name ("Enter", "Space", "Right") the list may show.
    key_->setMaxLength(5);
    key_->setValidator(new UpperCaseValidator(key_));
    key_->installEventFilter(this);
    auto* set = button(QStringLiteral("&Set"), QStringLiteral("Set to this mapping"), this);
    auto* clear =
        button(QStringLiteral("Clear"), QStringLiteral("Clear this mapping (no keys associated)"), this);

    auto* describe = new QGroupBox(QStringLiteral("Command description"), this);
    hint_ = new QLabel(QStringLiteral("?"), describe);
    hint_->setObjectName(QStringLiteral("LabelHint"));
    hint_->setWordWrap(true);
    (new QVBoxLayout(describe))->addWidget(hint_);

    file_ = new QLineEdit(this);
    file_->setObjectName(QStringLiteral("EditKeyMapFile"));
    file_->setReadOnly(true);
    auto* load =
        button(QStringLiteral("Load keymapping"), QStringLiteral("Load key mappings from file"), this);
    auto* save = button(QStringLiteral("Save keymapping"), QStringLiteral("Save key mappings to file"), this);

    auto* keys = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{shift_, ctrl_, alt_, key_, set, clear})
        keys->addWidget(w);
    auto* files = new QHBoxLayout;
    files->addWidget(file_, 1);
    files->addWidget(load);
    files->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(keys);
    layout->addWidget(describe);
    layout->addLayout(files);

    connect(list_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (filling_)
            return;
        edit_.selectRow(row);
        showState();
    });
    connect(shift_, &QCheckBox::toggled, this, [this](bool on) { edit_.shiftChecked = on; });
    connect(ctrl_, &QCheckBox::toggled, this, [this](bool on) { edit_.ctrlChecked = on; });
    connect(alt_, &QCheckBox::toggled, this, [this](bool on) { edit_.altChecked = on; });
    connect(key_, &QLineEdit::textChanged, this, [this](const QString& text) { edit_.keyField = text; });
    connect(set, &QPushButton::clicked, this, [this] {
        edit_.set();
        fillList();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        edit_.clear();
        fillList();
    });
    connect(load, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Load keymapping"),
                                                          dialogDirectory(), kFilter.toString());
        if (!path.isEmpty())
            loadFrom(path);
    });
    connect(save, &QPushButton::clicked, this, [this] {
        QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save keymapping"),
                                                    dialogDirectory(), kFilter.toString());
        if (path.isEmpty())
            return;
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".kbd");
        saveTo(path);
    });
}

void ShortcutEditPage::prepare()
{
    file_->setText(settings_.keyMapFile);
    edit_.prepare();
    fillList();
}

bool ShortcutEditPage::loadFrom(const QString& path)
{
    if (!edit_.loadFromFile(path))
        return false;
    settings_.keyMapFile = path;
    file_->setText(path);
    fillList();
    return true;
}

bool ShortcutEditPage::saveTo(const QString& path)
{
    if (!edit_.saveToFile(path))
        return false;
    settings_.keyMapFile = path;
    file_->setText(path);
    return true;
}

bool ShortcutEditPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != key_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* e = static_cast<QKeyEvent*>(event);
    unsigned modifiers = Shortcut::NoModifier;
    if (e->modifiers() & Qt::ShiftModifier)
        modifiers |= Shortcut::Shift;
    if (e->modifiers() & Qt::ControlModifier)
        modifiers |= Shortcut::Ctrl;
    if (e->modifiers() & Qt::AltModifier)
        modifiers |= Shortcut::Alt;
    const Shortcut key = shortcutFromKeyCombination(QKeyCombination(Qt::Key(e->key())));
    const bool named = edit_.keyPressed(key.key(), modifiers);
    shift_->setChecked(edit_.shiftChecked);
    ctrl_->setChecked(edit_.ctrlChecked);
    alt_->setChecked(edit_.altChecked);
    key_->setText(edit_.keyField);
    // A named key stops here; any other types its character into the emptied field.
    return named;
}

void ShortcutEditPage::fillList()
{
    filling_ = true;
    const auto& rows = edit_.rows();
    list_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < list_->rowCount(); ++i) {
        const ShortCutEdit::Row& row = rows[static_cast<std::size_t>(i)];
        list_->setItem(i, 0, new QTableWidgetItem(row.caption));
        list_->setItem(i, 1, new QTableWidgetItem(row.shortcut.toText()));
    }
    if (QTableWidgetItem* item = list_->item(edit_.selectedRow(), 0)) {
        list_->setCurrentCell(edit_.selectedRow(), 0);
        list_->scrollToItem(item);
    }
    filling_ = false;
    showState();
}

void ShortcutEditPage::showState()
{
    hint_->setText(edit_.itemHint());
    // The boxes and the key field follow the selected row; their own signals keep the logic in step.
    shift_->setChecked(edit_.shiftChecked);
    ctrl_->setChecked(edit_.ctrlChecked);
    alt_->setChecked(edit_.altChecked);
    key_->setText(edit_.keyField);
}

QString ShortcutEditPage::dialogDirectory() const
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dir);
    return QDir(dir).filePath(kProposedName.toString());
}

} // namespace varnik
