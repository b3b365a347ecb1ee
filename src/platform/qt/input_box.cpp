#include "platform/qt/input_box.h"

#include "platform/dialogs.h"
#include "platform/qt/control_look.h"
#include "platform/qt/limited_edits.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace kedravo::platform::qt {
namespace {

constexpr ControlDef INPUT_FIELD{0, "INPUT", ControlKind::EditBox,   0,  "",         0, 0,
                                 0, 0,       FontFace::Proportional, 14, STYLE_NONE, 64};

} // namespace

std::string runInputBox(QWidget* owner, const QString& title, const QString& prompt) {
    QDialog box(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    box.setWindowTitle(title);
    box.setFont(controlFont(FontFace::Proportional, 14));

    auto* label = new QLabel(prompt, &box);
    label->setTextFormat(Qt::PlainText);
    auto* field = new LimitedLineEdit(INPUT_FIELD, &box);
    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), &box);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);

    auto* layout = new QGridLayout(&box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(ok, 0, 1);
    layout->addWidget(cancel, 1, 1, Qt::AlignTop);
    layout->addWidget(field, 2, 0, 1, 2);
    layout->setColumnMinimumWidth(0, 260);
    field->setFocus();

    if (box.exec() != QDialog::Accepted)
        return INPUT_CANCELLED;
    return field->text().toStdString();
}

} // namespace kedravo::platform::qt
