#pragma once
// The widgets of the catalogue's control kinds. Each kind reports only its user's actions to the event sink;
// whatever the program sets goes through signals that the program's own calls never emit.
#include "platform/catalogue.h"
#include "platform/toolkit.h"

#include <QComboBox>
#include <QListWidget>

class QButtonGroup;
class QStyle;

namespace kedravo::platform::qt {

// A list box. In a single-selection list a change of the selected row by the keyboard is a click as well, as
// with the system's list controls.
class ListBox : public QListWidget {
public:
    ListBox(const ControlDef& def, EventSink& events, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ControlDef& def_;
    EventSink& events_;
};

// A drop-down list whose closed box shows its item whole: an item wider than the box is drawn smaller. The list
// dropped down is already as wide as its widest item.
class DropDown : public QComboBox {
public:
    explicit DropDown(QWidget* parent) : QComboBox(parent) {}
    QFont labelFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Builds the controls of one window in catalogue order; radio buttons after a FIRST_OF_GROUP one share its group.
class ControlBuilder {
public:
    ControlBuilder(QWidget& window, QStyle& style, EventSink& events)
        : window_(window), style_(style), events_(events) {}
    QWidget* build(const ControlDef& def);

private:
    QWidget* buildButton(const ControlDef& def);
    QWidget* buildEdit(const ControlDef& def);
    QWidget* buildDropDown(const ControlDef& def);
    QWidget* buildStatic(const ControlDef& def);

    QWidget& window_;
    QStyle& style_;
    EventSink& events_;
    QButtonGroup* radioGroup_ = nullptr;
};

} // namespace kedravo::platform::qt
