#include "app/QtPlatform.h"

#include "app/FindDialogBox.h"
#include "app/PreviewWindow.h"
#include "app/QtFonts.h"
#include "app/QtText.h"
#include "app/SpellDialogBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

QWidget *DialogParent() {
    return QApplication::activeWindow();
}

void ShowBox(QMessageBox::Icon icon, const std::string &text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), DisplayText(text), QMessageBox::Ok,
                    DialogParent());
    // Messages quote subtitle text, which may hold markup: never read it as rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString JoinedPatterns(const QString &pattern) {
    QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (auto &part : parts)
        part = part.trimmed();
    return parts.join(QLatin1Char(' '));
}

} // namespace

QStringList FileDialogFilters(const std::string &filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = JoinedPatterns(parts[i + 1]);
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        const QString description = parts[i].trimmed();
        // "MicroDVD (*.sub)" already names its pattern the way Qt wants it.
        if (description.endsWith(suffix, Qt::CaseInsensitive))
            filters << description;
        else
            filters << (description.isEmpty() ? suffix : description + QLatin1Char(' ') + suffix);
    }
    return filters;
}

QString DefaultSuffix(const std::string &defaultExt) {
    QString suffix = ToQString(defaultExt);
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    return suffix;
}

void QtDialogs::BeforeShow() const {
    if (beforeShow_)
        beforeShow_();
}

void QtDialogs::ProgressMoved() {
    if (onProgress_)
        onProgress_();
}

void QtDialogs::ShowMessage(const std::string &text) {
    BeforeShow();
    ShowBox(QMessageBox::NoIcon, text);
}

void QtDialogs::ShowError(const std::string &text) {
    BeforeShow();
    ShowBox(QMessageBox::Critical, text);
}

bool QtDialogs::AskYesNo(const std::string &text, QuestionKind kind) {
    BeforeShow();
    QMessageBox box(kind == QuestionKind::Warning ? QMessageBox::Warning : QMessageBox::Question,
                    QApplication::applicationDisplayName(), DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::InputQuery(const std::string &caption, const std::string &prompt, std::string &value) {
    BeforeShow();
    QInputDialog dialog(DialogParent());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(ToQString(caption));
    dialog.setLabelText(DisplayText(prompt));
    dialog.setTextValue(ToQString(value));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = FromQString(dialog.textValue());
    return true;
}

// Cancel keeps the preselected first item, as the question has no way out.
std::size_t QtDialogs::ChooseItem(const std::string &text, const std::vector<std::string> &items) {
    BeforeShow();
    QStringList list;
    for (const std::string &item : items)
        list << ToQString(item);
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(QApplication::applicationDisplayName());
    dialog.setLabelText(DisplayText(text));
    dialog.setComboBoxItems(list);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const auto picked = list.indexOf(dialog.textValue());
    return picked < 0 ? 0 : static_cast<std::size_t>(picked);
}

bool QtDialogs::ExecuteOpen(FileDialog &dialog) {
    return ExecuteFile(dialog, false);
}

bool QtDialogs::ExecuteSave(FileDialog &dialog) {
    return ExecuteFile(dialog, true);
}

std::string CoreFileName(const QString &chosen) {
    return QFile::encodeName(chosen).toStdString();
}

bool QtDialogs::ExecuteFile(FileDialog &model, bool save) {
    BeforeShow();
    QFileDialog dialog(DialogParent(), ToQString(model.Title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !model.OverwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = FileDialogFilters(model.Filter);
    dialog.setNameFilters(filters);
    if (model.FilterIndex >= 1 && model.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters[model.FilterIndex - 1]);
    dialog.setDefaultSuffix(DefaultSuffix(model.DefaultExt));
    if (!model.FileName.empty())
        dialog.selectFile(ToQString(model.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;

    model.FileName = CoreFileName(dialog.selectedFiles().constFirst());
    const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
    if (index >= 0)
        model.FilterIndex = static_cast<int>(index) + 1;
    return true;
}

bool QtDialogs::ExecuteFont(FontDialog &model) {
    BeforeShow();
    bool ok = false;
    const QFont shown = FontFromSpec(model.Font);
    const QFont font = QFontDialog::getFont(&ok, shown, DialogParent());
    if (!ok)
        return false;
    // Confirming the font as shown keeps the font as stored, not the
    // fallback that stood in for it.
    if (font != shown)
        model.Font = SpecFromFont(font, model.Font);
    return true;
}

bool QtDialogs::ExecuteFind(FindDialog &dialog) {
    BeforeShow();
    return RunFindDialog(dialog, DialogParent());
}

void QtDialogs::ExecuteSpelling(SpellDialog &dialog) {
    BeforeShow();
    RunSpellDialog(dialog, DialogParent());
}

void QtDialogs::ShowPreview(TForm2 &) {
    BeforeShow();
    if (preview_)
        preview_->ShowBeside();
}

void QtLauncher::Start(const std::string &commandLine) {
    QStringList parts = QProcess::splitCommand(ToQString(commandLine));
    if (parts.isEmpty())
        return;
    const QString program = parts.takeFirst();
    // Nothing is reported when the program cannot be started.
    QProcess::startDetached(program, parts);
}

void QtLauncher::OpenUrl(const std::string &url) {
    // Nothing is reported when no browser takes the address.
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}
