#include "app/FindDialogBox.h"

#include "app/QtText.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool RunFindDialog(FindDialog &model, QWidget *parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FindDialog1"));
    dialog.setWindowTitle(ToQString(model.Labels.title));
    auto *findText = new QLineEdit(ToQString(model.FindText));
    findText->setObjectName(QStringLiteral("FindText"));
    auto *replaceText = new QLineEdit(ToQString(model.ReplaceText));
    replaceText->setObjectName(QStringLiteral("ReplaceText"));
    auto *fields = new QFormLayout;
    fields->addRow(ToQString(model.Labels.findWhat), findText);
    if (model.Replacing)
        fields->addRow(ToQString(model.Labels.replaceWith), replaceText);
    else
        replaceText->hide();

    const auto option = [](const std::string &label, bool checked, const char *name) {
        auto *box = new QCheckBox(ToQString(label));
        box->setObjectName(QLatin1String(name));
        box->setChecked(checked);
        return box;
    };
    QCheckBox *matchCase = option(model.Labels.matchCase, model.MatchCase, "MatchCase");
    QCheckBox *wholeWords = option(model.Labels.wholeWords, model.WholeWords, "WholeWords");
    QCheckBox *regex = option(model.Labels.regularExpression, model.RegularExpression, "RegularExpression");

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    FindDialog::Action pressed = FindDialog::Action::FindNext;
    const auto button = [&](const std::string &label, FindDialog::Action action, const char *name) {
        QPushButton *push = buttons->addButton(ToQString(label), QDialogButtonBox::AcceptRole);
        push->setObjectName(QLatin1String(name));
        QObject::connect(push, &QPushButton::clicked, &dialog, [&pressed, action] { pressed = action; });
        return push;
    };
    button(model.Labels.findNext, FindDialog::Action::FindNext, "FindNext")->setDefault(true);
    if (model.Replacing) {
        button(model.Labels.replace, FindDialog::Action::Replace, "Replace");
        button(model.Labels.replaceAll, FindDialog::Action::ReplaceAll, "ReplaceAll");
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addLayout(fields);
    for (QCheckBox *box : {matchCase, wholeWords, regex})
        layout->addWidget(box);
    layout->addWidget(buttons);
    findText->selectAll();
    findText->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    model.FindText = FromQString(findText->text());
    model.ReplaceText = FromQString(replaceText->text());
    model.MatchCase = matchCase->isChecked();
    model.WholeWords = wholeWords->isChecked();
    model.RegularExpression = regex->isChecked();
    model.Pressed = pressed;
    return true;
}
