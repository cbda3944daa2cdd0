#include "app/EncodingMenus.h"

#include "app/QtText.h"
#include "document/OwnMessages.h"
#include "document/TextEncoding.h"
#include "shell/Unit1.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>

namespace {

QString NameOf(const TextEncoding &encoding) {
    return QString::fromStdString(EncodingName(encoding));
}

} // namespace

EncodingMenus::EncodingMenus(TForm1 &form, QMenu *fileMenu, QMenu *optionsMenu,
                             std::function<void(std::function<void()>)> run)
    : form_(form), reopen_(new QMenu(fileMenu)), saveIn_(new QMenu(optionsMenu)),
      saveChoices_(new QActionGroup(saveIn_)) {
    reopen_->setObjectName(QStringLiteral("ReopenWithEncoding"));
    reopen_->menuAction()->setObjectName(reopen_->objectName());
    saveIn_->setObjectName(QStringLiteral("SaveEncoding"));
    saveIn_->menuAction()->setObjectName(saveIn_->objectName());
    // Before the separator that follows the other ways of opening and precedes the recent files.
    // The menu's actions stand in the order of the model's items.
    const std::vector<MenuItem *> &fileItems = form.Ficheiro1.Items;
    const QList<QAction *> fileActions = fileMenu->actions();
    const auto separator = std::find(fileItems.begin(), fileItems.end(), &form.N2) - fileItems.begin();
    fileMenu->insertMenu(separator < fileActions.size() ? fileActions[separator] : nullptr, reopen_);
    optionsMenu->addMenu(saveIn_);

    for (const KnownEncoding &known : KnownEncodings()) {
        const TextEncoding encoding = *FindEncoding(known.name);
        const std::string name = EncodingName(encoding);
        QAction *reopen = reopen_->addAction(ToQString(EncodingLabel(encoding)));
        QObject::connect(reopen, &QAction::triggered, reopen_, [this, run, name] {
            run([this, name] { form_.Run(&TForm1::ReopenWithEncoding, name); });
        });
    }

    // The save choices: as read, then UTF-8 with and without its mark, then every other encoding.
    const auto addChoice = [this, run](const QString &text, const std::string &name) {
        QAction *action = saveIn_->addAction(text);
        action->setCheckable(true);
        action->setData(QString::fromStdString(name));
        saveChoices_->addAction(action);
        QObject::connect(action, &QAction::triggered, saveIn_, [this, run, name] {
            run([this, name] { form_.Run(&TForm1::ChooseOutputEncoding, name); });
        });
        return action;
    };
    asRead_ = addChoice(QString(), "");
    saveIn_->addSeparator();
    addChoice(ToQString(EncodingLabel(Utf8Encoding())), EncodingName(Utf8Encoding()));
    addChoice(ToQString(EncodingLabel(Utf8Encoding(true))), EncodingName(Utf8Encoding(true)));
    for (const KnownEncoding &known : KnownEncodings())
        if (known.name != "UTF-8")
            addChoice(ToQString(EncodingLabel(*FindEncoding(known.name))), std::string(known.name));
    Show();
}

void EncodingMenus::Show() {
    const auto title = [this](EncodingMenuText which) {
        return ToQString(EncodingMenuCaption(which, form_.CurrentLanguage));
    };
    if (reopen_->title() != title(EncodingMenuText::Reopen))
        reopen_->setTitle(title(EncodingMenuText::Reopen));
    if (saveIn_->title() != title(EncodingMenuText::SaveIn))
        saveIn_->setTitle(title(EncodingMenuText::SaveIn));
    if (asRead_->text() != title(EncodingMenuText::AsRead))
        asRead_->setText(title(EncodingMenuText::AsRead));
    const QString chosen = form_.ChosenOutputEncoding ? NameOf(*form_.ChosenOutputEncoding) : QString();
    for (QAction *action : saveChoices_->actions())
        if (action->data().toString() == chosen && !action->isChecked())
            action->setChecked(true);
}
