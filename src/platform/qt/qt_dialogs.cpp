#include "platform/qt/qt_dialogs.h"

#include "platform/qt/input_box.h"
#include "platform/qt/qt_toolkit.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QMessageBox>
#include <QTreeView>

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

// Qt's own dialog sizes its side bar and its columns for English names ("10/29/81 02:02PM"); the Japanese ones
// are wider. The side bar is kept as wide as its widest place, the columns after the name follow their heading
// and contents, and the names take the width that is left.
void fitToJapanese(QFileDialog& dialog) {
    if (auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar")))
        sidebar->setMinimumWidth(sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth());
    if (auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView& header = *files->header();
        header.setStretchLastSection(false);
        header.setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header.count(); ++column)
            header.setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

// Without an owner a dialog would open behind the always-on-top main window, as the warning box would.
std::optional<std::string> runFileDialog(QFileDialog& dialog, int ownerWindow) {
    fitToJapanese(dialog);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, ownerWindow < 0);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

QWidget* QtDialogs::ownerWidget(int ownerWindow) {
    return ownerWindow < 0 ? nullptr : &toolkit_.windowWidget(ownerWindow);
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
