#include "platform/qt/qt_dialogs.h"

#include "platform/qt/input_box.h"
#include "platform/qt/qt_toolkit.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kedravo::platform::qt {

// The box has no owner, yet must not open behind the always-on-top main window.
void QtDialogs::STOP_SUB(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption),
                    QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

std::string QtDialogs::inputBox(int ownerWindow, const std::string& title, const std::string& prompt) {
    return runInputBox(&toolkit_.windowWidget(ownerWindow), QString::fromStdString(title),
                       QString::fromStdString(prompt));
}

namespace {

const QString CSV_FILTERS = QStringLiteral("CSV (*.csv);;(*.*) (*)");

} // namespace

QWidget* QtDialogs::ownerWidget(int ownerWindow) {
    return ownerWindow < 0 ? nullptr : &toolkit_.windowWidget(ownerWindow);
}

// Without an owner a dialog would open behind the always-on-top main window, as the warning box would.
std::optional<std::string> QtDialogs::runFileDialog(QFileDialog& dialog, int ownerWindow) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, ownerWindow < 0);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

// Only the folder of the chosen path is used, so nothing is asked before "overwriting". The one filter reads
// "(*.*)" and shows every file, as on the system it comes from; the pattern *.* would hide names without a dot
// here, so the pattern is * and only the text before it is shown.
std::optional<std::string> QtDialogs::saveAs(int ownerWindow, const std::string& title,
                                             const std::string& proposedName) {
    QFileDialog dialog(ownerWidget(ownerWindow), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QStringLiteral("(*.*) (*)"));
    dialog.selectFile(QString::fromStdString(proposedName));
    return runFileDialog(dialog, ownerWindow);
}

std::optional<std::string> QtDialogs::saveCsvAs(int ownerWindow, const std::string& title,
                                                const std::string& proposedName) {
    QFileDialog dialog(ownerWidget(ownerWindow), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(CSV_FILTERS);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(QString::fromStdString(proposedName));
    return runFileDialog(dialog, ownerWindow);
}

std::optional<std::string> QtDialogs::openCsv(int ownerWindow, const std::string& title) {
    QFileDialog dialog(ownerWidget(ownerWindow), QString::fromStdString(title));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(CSV_FILTERS);
    return runFileDialog(dialog, ownerWindow);
}

} // namespace kedravo::platform::qt
