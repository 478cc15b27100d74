#include "ui/search/searchdialogparts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varnik {

namespace {

QString nameOf(const QString& caption)
{
    QString name = caption;
    name.remove(u'&');
    name.remove(u' ');
    return name;
}

} // namespace

QComboBox* makeHistoryCombo(QWidget* parent, const QString& objectName)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(24);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // The field holds plain text: no completion rewriting what was typed.
    combo->setCompleter(nullptr);
    return combo;
}

void showHistory(QComboBox* combo, const QStringList& history, const QString& text)
{
    const bool blocked = combo->blockSignals(true);
    combo->clear();
    combo->addItems(history);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    combo->blockSignals(blocked);
}

RadioPair makeRadioPair(QWidget* parent, const QString& title, const QString& clearsCaption,
                        const QString& setsCaption, SearchDialogOptions& options,
                        SearchDialogOptions::Bit bit)
{
    RadioPair pair;
    pair.group = new QGroupBox(title, parent);
    pair.group->setObjectName(title);
    pair.clears = new QRadioButton(clearsCaption, pair.group);
    pair.sets = new QRadioButton(setsCaption, pair.group);
    pair.clears->setObjectName(nameOf(clearsCaption));
    pair.sets->setObjectName(nameOf(setsCaption));
    pair.clears->setChecked(true);
    auto* layout = new QVBoxLayout(pair.group);
    layout->addWidget(pair.clears);
    layout->addWidget(pair.sets);
    // Only clicks change the byte, as the user makes them.
    QObject::connect(pair.clears, &QRadioButton::clicked, pair.group,
                     [&options, bit] { options.set(bit, false); });
    QObject::connect(pair.sets, &QRadioButton::clicked, pair.group,
                     [&options, bit] { options.set(bit, true); });
    return pair;
}

OptionBoxes makeOptionBoxes(QWidget* parent, SearchDialogOptions& options)
{
    OptionBoxes boxes;
    boxes.group = new QGroupBox(QStringLiteral("Options"), parent);
    boxes.group->setObjectName(QStringLiteral("Options"));
    boxes.matchCase = new QCheckBox(QStringLiteral("&Match case"), boxes.group);
    boxes.matchCase->setObjectName(QStringLiteral("MatchCase"));
    boxes.wholeWords = new QCheckBox(QStringLiteral("Match whole &words only"), boxes.group);
    boxes.wholeWords->setObjectName(QStringLiteral("WholeWords"));
    auto* layout = new QVBoxLayout(boxes.group);
    layout->addWidget(boxes.matchCase);
    layout->addWidget(boxes.wholeWords);
    QObject::connect(boxes.matchCase, &QCheckBox::clicked, boxes.group,
                     [&options](bool on) { options.set(SearchDialogOptions::MatchCase, on); });
    QObject::connect(boxes.wholeWords, &QCheckBox::clicked, boxes.group,
                     [&options](bool on) { options.set(SearchDialogOptions::WholeWords, on); });
    return boxes;
}

void showBit(const RadioPair& pair, SearchDialogOptions options, SearchDialogOptions::Bit bit)
{
    (options.test(bit) ? pair.sets : pair.clears)->setChecked(true);
}

void showBits(const OptionBoxes& boxes, SearchDialogOptions options)
{
    boxes.matchCase->setChecked(options.matchCase());
    boxes.wholeWords->setChecked(options.wholeWords());
}

} // namespace varnik
