#include "app/SpellDialogBox.h"

#include "app/QtText.h"

#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <string_view>

namespace {

// The subtitle's lines one under the other, the word in bold red.
QTextEdit *MarkedText(const SpellDialog &model) {
    auto *view = new QTextEdit;
    view->setObjectName(QStringLiteral("SubtitleText"));
    view->setReadOnly(true);
    QString text = ToQString(model.Text);
    text.replace(QLatin1Char('|'), QLatin1Char('\n'));
    view->setPlainText(text);
    const std::string_view all(model.Text);
    const auto start = ToQString(std::string(all.substr(0, model.WordStart))).size();
    QTextCursor cursor(view->document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + ToQString(model.Word).size()), QTextCursor::KeepAnchor);
    QTextCharFormat marked;
    marked.setForeground(Qt::red);
    marked.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(marked);
    return view;
}

} // namespace

void RunSpellDialog(SpellDialog &model, QWidget *parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("SpellDialog1"));
    dialog.setWindowTitle(ToQString(model.Labels.title));

    auto *replacement = new QLineEdit(ToQString(model.Replacement));
    replacement->setObjectName(QStringLiteral("ChangeTo"));
    auto *suggestions = new QListWidget;
    suggestions->setObjectName(QStringLiteral("Suggestions"));
    for (const std::string &suggestion : model.Suggestions)
        suggestions->addItem(ToQString(suggestion));
    if (suggestions->count() > 0)
        suggestions->setCurrentRow(0);
    QObject::connect(suggestions, &QListWidget::currentTextChanged, replacement, &QLineEdit::setText);
    auto *dictionary = new QComboBox;
    dictionary->setObjectName(QStringLiteral("Dictionary"));
    for (const std::string &name : model.Dictionaries)
        dictionary->addItem(ToQString(name));
    dictionary->setCurrentIndex(static_cast<int>(model.DictionaryIndex));

    auto *fields = new QFormLayout;
    fields->addRow(ToQString(model.Labels.notInDictionary), MarkedText(model));
    fields->addRow(ToQString(model.Labels.changeTo), replacement);
    fields->addRow(ToQString(model.Labels.suggestions), suggestions);
    fields->addRow(ToQString(model.Labels.dictionary), dictionary);

    SpellDialog::Action pressed = SpellDialog::Action::Close;
    auto *buttons = new QVBoxLayout;
    const auto button = [&](const std::string &label, SpellDialog::Action action, const char *name) {
        auto *push = new QPushButton(ToQString(label));
        push->setObjectName(QLatin1String(name));
        push->setAutoDefault(false);
        QObject::connect(push, &QPushButton::clicked, &dialog, [&dialog, &pressed, action] {
            pressed = action;
            dialog.accept();
        });
        buttons->addWidget(push);
        return push;
    };
    button(model.Labels.change, SpellDialog::Action::Change, "Change")->setDefault(true);
    button(model.Labels.changeAll, SpellDialog::Action::ChangeAll, "ChangeAll");
    button(model.Labels.ignore, SpellDialog::Action::Ignore, "Ignore");
    button(model.Labels.ignoreAll, SpellDialog::Action::IgnoreAll, "IgnoreAll");
    button(model.Labels.addWord, SpellDialog::Action::AddWord, "AddWord");
    button(model.Labels.close, SpellDialog::Action::Close, "Close");
    buttons->addStretch();
    QObject::connect(suggestions, &QListWidget::itemDoubleClicked, &dialog, [&dialog, &pressed] {
        pressed = SpellDialog::Action::Change;
        dialog.accept();
    });
    QObject::connect(dictionary, &QComboBox::currentIndexChanged, &dialog, [&dialog, &pressed] {
        pressed = SpellDialog::Action::ChooseDictionary;
        dialog.accept();
    });

    auto *layout = new QHBoxLayout(&dialog);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    replacement->selectAll();
    replacement->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        pressed = SpellDialog::Action::Close;
    model.Pressed = pressed;
    model.Replacement = FromQString(replacement->text());
    if (dictionary->currentIndex() >= 0)
        model.DictionaryIndex = static_cast<std::size_t>(dictionary->currentIndex());
}
