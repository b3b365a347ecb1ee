#include "platform/qt/japanese_qt_texts.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_toolkit.h"
#include "qt_application.h"
#include "ui/catalogue.h"
#include "ui/controls.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace kedravo::platform::qt {
namespace {

using namespace ui;

struct Ignore : EventSink {
    void raise(int, Event) override {}
};

// Acts on the next modal dialog once it is up, as the user would.
void whenModal(const std::function<void(QWidget&)>& act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(*dialog);
        }
    });
    poll->start(5);
}

QPushButton& button(QWidget& dialog, const char* text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(text))
            return *b;
    ADD_FAILURE() << "no button " << text;
    return *dialog.findChild<QPushButton*>();
}

void press(QWidget& target, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &down);
}

class QtDialogsTest : public testing::Test {
protected:
    QtDialogsTest() {
        qtApplication();
        kit.create(catalogue(), ignore);
    }

    Ignore ignore;
    QtToolkit kit;
    QtDialogs dialogs{kit};
};

TEST_F(QtDialogsTest, TheWarningBoxHasNoOwnerAnExclamationAndOk) {
    whenModal([](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("フォルダー警告"));
        EXPECT_EQ(box.text(), QStringLiteral("バックアップ先のフォルダーが存在しません\n/tmp/x/"));
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box.parentWidget(), nullptr);
        box.button(QMessageBox::Ok)->click();
    });
    dialogs.STOP_SUB("フォルダー警告", "バックアップ先のフォルダーが存在しません\r\n/tmp/x/");
}

TEST_F(QtDialogsTest, TheInputBoxAnswersOrIsCancelled) {
    const std::string sixtyFour(64, '9');
    const struct {
        const char* name;
        std::string typed;
        std::function<void(QDialog&)> answer;
        std::string result;
    } cases[] = {
        {"OK", "105.25", [](QDialog& d) { button(d, "OK").click(); }, "105.25"},
        {"Enter presses the default OK", "１０５",
         [](QDialog& d) { press(*d.findChild<QLineEdit*>(), Qt::Key_Return); }, "１０５"},
        {"an empty answer is not a cancel", "", [](QDialog& d) { button(d, "OK").click(); }, ""},
        {"at most 64 bytes", sixtyFour + "12", [](QDialog& d) { button(d, "OK").click(); }, sixtyFour},
        {"ｷｬﾝｾﾙ", "105", [](QDialog& d) { button(d, "ｷｬﾝｾﾙ").click(); }, INPUT_CANCELLED},
        {"Escape", "105", [](QDialog& d) { press(d, Qt::Key_Escape); }, INPUT_CANCELLED},
        {"close box", "105", [](QDialog& d) { d.close(); }, INPUT_CANCELLED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        whenModal([&](QWidget& shown) {
            auto& box = dynamic_cast<QDialog&>(shown);
            EXPECT_EQ(box.windowTitle(), QStringLiteral("現在価格の入力"));
            EXPECT_EQ(box.parentWidget(), &kit.windowWidget(FORM2));
            EXPECT_EQ(box.findChild<QLabel*>()->text(), QStringLiteral("小数点以下も含めて現在の価格を入力"));
            box.findChild<QLineEdit*>()->insert(QString::fromStdString(c.typed));
            c.answer(box);
        });
        EXPECT_EQ(dialogs.inputBox(FORM2, "現在価格の入力", "小数点以下も含めて現在の価格を入力"), c.result);
    }
}

TEST_F(QtDialogsTest, TheSaveAsDialogProposesANameAndNeverAsksToOverwrite) {
    const struct {
        int owner;
        bool accept;
    } cases[] = {{-1, true}, {MAINFORM, true}, {MAINFORM, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "owner " << c.owner << (c.accept ? ", accepted" : ", cancelled"));
        whenModal([&](QWidget& shown) {
            auto& dialog = dynamic_cast<QFileDialog&>(shown);
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("データファイルを保存する場所は?"));
            const auto* filters = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_TRUE(filters);
            EXPECT_EQ(filters->count(), 1);
            EXPECT_EQ(filters->itemText(0), QStringLiteral("(*.*)"));
            const auto* files = dialog.findChild<QFileSystemModel*>();
            ASSERT_TRUE(files);
            EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("*")}) << "names without a dot are shown";
            EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
            EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(dialog.parentWidget(), c.owner < 0 ? nullptr : &kit.windowWidget(c.owner));
            EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.owner < 0)
                << "above the always-on-top main window";
            QMetaObject::invokeMethod(&dialog, c.accept ? "accept" : "reject");
        });
        const auto chosen = dialogs.saveAs(c.owner, "データファイルを保存する場所は?", "基本データ.TXT");
        if (c.accept)
            EXPECT_TRUE(chosen.value_or("").ends_with("/基本データ.TXT")) << chosen.value_or("nothing chosen");
        else
            EXPECT_FALSE(chosen);
    }
}

// Unlike the folder question, the CSV dialogs show CSV files first and guard an existing file: the save dialog
// asks before replacing one, the open dialog takes only one that exists.
TEST_F(QtDialogsTest, TheCsvDialogsShowCsvFilesAndGuardExistingOnes) {
    const struct {
        const char* name;
        std::function<std::optional<std::string>()> open;
        QFileDialog::AcceptMode mode;
        QFileDialog::FileMode files;
        QString proposed;
    } cases[] = {
        {"save", [&] { return dialogs.saveCsvAs(MAINFORM, "CSVに書き出す", "ドル円_240506.csv"); },
         QFileDialog::AcceptSave, QFileDialog::AnyFile, QStringLiteral("ドル円_240506.csv")},
        {"open", [&] { return dialogs.openCsv(MAINFORM, "CSVから読み込む"); }, QFileDialog::AcceptOpen,
         QFileDialog::ExistingFile, QString()},
    };
    for (const auto& c : cases) {
        whenModal([&](QWidget& shown) {
            auto& dialog = dynamic_cast<QFileDialog&>(shown);
            EXPECT_EQ(dialog.parentWidget(), &kit.windowWidget(MAINFORM)) << c.name;
            EXPECT_EQ(dialog.acceptMode(), c.mode) << c.name;
            EXPECT_EQ(dialog.fileMode(), c.files) << c.name;
            EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite)) << c.name;
            EXPECT_EQ(dialog.nameFilters(), (QStringList{QStringLiteral("CSV (*.csv)"), QStringLiteral("(*.*) (*)")}))
                << c.name;
            if (!c.proposed.isEmpty()) {
                EXPECT_TRUE(dialog.selectedFiles().constFirst().endsWith(c.proposed)) << c.name;
            }
            QMetaObject::invokeMethod(&dialog, "reject");
        });
        EXPECT_FALSE(c.open()) << c.name;
    }
}

// The save-as dialog is Qt's own; its labels and buttons follow the windows into Japanese.
TEST_F(QtDialogsTest, TheSaveAsDialogIsJapaneseToo) {
    const JapaneseQtTexts japanese;
    ASSERT_TRUE(japanese.installed()) << "Qt's Japanese translations (qt6-translations-l10n) are missing";
    whenModal([](QWidget& shown) {
        auto& dialog = dynamic_cast<QFileDialog&>(shown);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        ASSERT_TRUE(buttons);
        for (const QAbstractButton* b : buttons->buttons())
            EXPECT_FALSE(b->text().contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}"))))
                << b->text().toStdString();
        QMetaObject::invokeMethod(&dialog, "reject");
    });
    dialogs.saveAs(MAINFORM, "データファイルを保存する場所は?", "基本データ.TXT");
}

} // namespace
} // namespace kedravo::platform::qt
