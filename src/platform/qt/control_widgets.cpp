#include "platform/qt/control_widgets.h"

#include "platform/qt/control_look.h"
#include "platform/qt/limited_edits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

namespace kedravo::platform::qt {
namespace {

QString caption(const ControlDef& def) {
    return QString::fromUtf8(def.caption);
}

void setMultiLineStyle(QPlainTextEdit& edit, unsigned style) {
    edit.setLineWrapMode((style & WRAP_LINES) ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit.setVerticalScrollBarPolicy((style & VERTICAL_SCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit.setTabChangesFocus(true);
    edit.document()->setDocumentMargin(2);
}

// The catalogue's height of a drop-down list is its height dropped down; closed it is as high as its font needs.
void placeDropDown(QComboBox& combo, const ControlDef& def) {
    const int closedHeight = std::min(def.height, combo.sizeHint().height());
    combo.setGeometry(def.left, def.top, def.width, closedHeight);
    const int rowHeight = combo.fontMetrics().height() + 4;
    combo.setMaxVisibleItems(std::max(1, (def.height - closedHeight) / rowHeight));
}

} // namespace

ListBox::ListBox(const ControlDef& def, EventSink& events, QWidget* parent)
    : QListWidget(parent), def_(def), events_(events) {
    setSelectionMode((def.style & MULTI_SELECT) ? MultiSelection : SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::clicked, this, [this] { events_.raise(def_.id, Event::Click); });
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (selectionMode() == SingleSelection && currentRow() != before)
        events_.raise(def_.id, Event::Click);
}

QFont DropDown::labelFont() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect room = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the item one pixel in from each side of its field.
    return fittedFont(font(), {currentText()}, room.width() - 2);
}

void DropDown::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.setFont(labelFont());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

QWidget* ControlBuilder::build(const ControlDef& def) {
    QWidget* widget = nullptr;
    switch (def.kind) {
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        widget = buildButton(def);
        break;
    case ControlKind::EditBox:
        widget = buildEdit(def);
        break;
    case ControlKind::ListBox:
        widget = new ListBox(def, events_, &window_);
        break;
    case ControlKind::DropDown:
        widget = buildDropDown(def);
        break;
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
        widget = buildStatic(def);
        break;
    }
    widget->setObjectName(QString::fromUtf8(def.name));
    widget->setStyle(&style_);
    widget->setFont(controlFont(def.face, def.fontSize));
    if (def.style & (WHITE_ON_BLACK | RED_TEXT))
        applyColours(*widget, def.style);
    if (def.kind == ControlKind::DropDown)
        placeDropDown(static_cast<QComboBox&>(*widget), def);
    else
        widget->setGeometry(def.left, def.top, def.width, def.height);
    if (isLineEdit(def))
        static_cast<LimitedLineEdit&>(*widget).setCatalogueFont(widget->font());
    return widget;
}

// Buttons report the user's click, after a check box or radio button has changed its state.
QWidget* ControlBuilder::buildButton(const ControlDef& def) {
    QAbstractButton* button = nullptr;
    if (def.kind == ControlKind::PushButton) {
        auto* push = new QPushButton(caption(def), &window_);
        push->setAutoDefault(false);
        button = push;
    } else if (def.kind == ControlKind::CheckBox) {
        button = new QCheckBox(caption(def), &window_);
    } else {
        button = new QRadioButton(caption(def), &window_);
        if ((def.style & FIRST_OF_GROUP) || !radioGroup_)
            radioGroup_ = new QButtonGroup(&window_);
        radioGroup_->addButton(button);
        // Tab comes into the group at its checked button, whoever checked it; Qt's own rule waits for a focus.
        QObject::connect(button, &QAbstractButton::toggled, button, [button](bool checked) {
            button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        button->setFocusPolicy(Qt::ClickFocus);
    }
    button->setChecked(def.style & CHECKED);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [&events = events_, id = def.id] { events.raise(id, Event::On); });
    return button;
}

QWidget* ControlBuilder::buildEdit(const ControlDef& def) {
    if (def.style & MULTI_LINE) {
        auto* edit = new LimitedTextEdit(def, &window_);
        setMultiLineStyle(*edit, def.style);
        edit->setReadOnly(def.style & READ_ONLY);
        edit->setProgramText(caption(def));
        return edit;
    }
    auto* edit = new LimitedLineEdit(def, &window_);
    edit->setReadOnly(def.style & READ_ONLY);
    edit->setProgramText(caption(def));
    return edit;
}

// Only a pick from the list is the user's: `activated`, which the program's own selections never emit.
QWidget* ControlBuilder::buildDropDown(const ControlDef& def) {
    auto* combo = new DropDown(&window_);
    combo->setEditable(false);
    QObject::connect(combo, &QComboBox::activated, combo,
                     [&events = events_, id = def.id] { events.raise(id, Event::Change); });
    return combo;
}

// A group box only frames the controls created before it: it stays behind them and lets their clicks through.
QWidget* ControlBuilder::buildStatic(const ControlDef& def) {
    if (def.kind == ControlKind::GroupBox) {
        auto* group = new QGroupBox(caption(def), &window_);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->lower();
        return group;
    }
    auto* label = new QLabel(caption(def), &window_);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace kedravo::platform::qt
